<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ChannelGrid</name>
    <message>
        <source>Channel %1, %2</source>
        <translation>Canal %1, %2</translation>
    </message>
</context>
<context>
    <name>CodeplugReport</name>
    <message>
        <source>The report could not be printed: no printer is available.</source>
        <translation>Não foi possível imprimir o relatório: nenhuma impressora disponível.</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>Não foi possível imprimir o relatório em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The print preview could not be made: %1</source>
        <translation>Não foi possível gerar a visualização: %1</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Vantrel CPS</source>
        <translation>Vantrel CPS</translation>
    </message>
    <message>
        <source>Time Option value is Invalid</source>
        <translation>Valor da opção de tempo inválido</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>Senha inválida</translation>
    </message>
    <message>
        <source>Invalid Serial Number</source>
        <translation>Número de série inválido</translation>
    </message>
    <message>
        <source>Region Code is not valid...</source>
        <translation>O código de região não é válido...</translation>
    </message>
    <message>
        <source>Input TPL Frequency</source>
        <translation>Digite a frequência TPL</translation>
    </message>
    <message>
        <source>Error! invalid data type</source>
        <translation>Erro! Tipo de dados inválido</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No. not in active scan list</source>
        <translation>O Nº Ch prioritário não está na lista de varredura ativa</translation>
    </message>
    <message>
        <source>Invalid Frequency</source>
        <translation>Frequência inválida</translation>
    </message>
    <message>
        <source>Out of Frequency Range</source>
        <translation>Fora da faixa de frequência</translation>
    </message>
    <message>
        <source>Frequency is not valid</source>
        <translation>A frequência não é válida</translation>
    </message>
    <message>
        <source>Not Allowed To Delete Priority Channel Frequency</source>
        <translation>Não é permitido excluir a frequência do canal prioritário</translation>
    </message>
    <message>
        <source>Empty Channel</source>
        <translation>Canal vazio</translation>
    </message>
    <message>
        <source>Not Allowed To Remove Priority Channel</source>
        <translation>Não é permitido remover o canal prioritário</translation>
    </message>
    <message>
        <source>The editor is locked.</source>
        <translation>O editor está bloqueado.</translation>
    </message>
    <message>
        <source>not a value this cell can take</source>
        <translation>não é um valor aceito por esta célula</translation>
    </message>
    <message>
        <source>Scan Speed (msec)</source>
        <translation>Veloc. de varredura (msec)</translation>
    </message>
    <message>
        <source>Scan Hang Time (msec)</source>
        <translation>Tempo de permanência (msec)</translation>
    </message>
    <message>
        <source>Scan Interval Time (msec)</source>
        <translation>Intervalo de varredura (msec)</translation>
    </message>
    <message>
        <source>Tx Time Out Time (sec)</source>
        <translation>Tempo limite de Tx (sec)</translation>
    </message>
    <message>
        <source>TOT Warning Time (sec)</source>
        <translation>Tempo de aviso TOT (sec)</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>Velocidade de varredura</translation>
    </message>
    <message>
        <source>Scan Hang Time</source>
        <translation>Tempo de permanência</translation>
    </message>
    <message>
        <source>Scan Interval Time</source>
        <translation>Intervalo de varredura</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>Tempo limite de Tx</translation>
    </message>
    <message>
        <source>TOT Warning Time</source>
        <translation>Tempo de aviso TOT</translation>
    </message>
    <message>
        <source>channel names are not kept: the radio has no channel names</source>
        <translation>os nomes dos canais não são mantidos: o rádio não tem nomes de canal</translation>
    </message>
    <message>
        <source>Hi/Low Power</source>
        <translation>Potência alta/baixa</translation>
    </message>
    <message>
        <source>Volume Set</source>
        <translation>Ajuste de volume</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Sticky Monitor</source>
        <translation>Monitor permanente</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Repetidora/Talkaround</translation>
    </message>
    <message>
        <source>PL/DPL</source>
        <translation>PL/DPL</translation>
    </message>
    <message>
        <source>Unassigned</source>
        <translation>Não atribuído</translation>
    </message>
    <message>
        <source>Battery Save Mode</source>
        <translation>Modo economia de bateria</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>Nuisance Channel Delete</source>
        <translation>Excluir canal incômodo</translation>
    </message>
    <message>
        <source>Button Lock</source>
        <translation>Bloqueio de botões</translation>
    </message>
    <message>
        <source>Repeater / Talkaround</source>
        <translation>Repetidora / Talkaround</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Codeplug is protected.</source>
        <translation>O codeplug está protegido.</translation>
    </message>
    <message>
        <source>Please enter password.</source>
        <translation>Digite a senha.</translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Senha inválida.</translation>
    </message>
    <message>
        <source>Please enter correct password.</source>
        <translation>Digite a senha correta.</translation>
    </message>
    <message>
        <source>Codeplug is password protected.</source>
        <translation>O codeplug está protegido por senha.</translation>
    </message>
    <message>
        <source>Communication Error. Please check Programming mode.</source>
        <translation>Erro de comunicação. Verifique o modo de programação.</translation>
    </message>
    <message>
        <source>Communication Error. Unsupported radio codeplug region.</source>
        <translation>Erro de comunicação. Região de codeplug do rádio não suportada.</translation>
    </message>
    <message>
        <source>Communication Error. Please check codeplug version.</source>
        <translation>Erro de comunicação. Verifique a versão do codeplug.</translation>
    </message>
    <message>
        <source>Communication Error.</source>
        <translation>Erro de comunicação.</translation>
    </message>
    <message>
        <source>Please wait a moment......</source>
        <translation>Aguarde um momento......</translation>
    </message>
    <message>
        <source>Please wait a moment.......</source>
        <translation>Aguarde um momento.......</translation>
    </message>
    <message>
        <source>Successfully Reading End.</source>
        <translation>Leitura concluída com sucesso.</translation>
    </message>
    <message>
        <source>Successfully Writing End.</source>
        <translation>Gravação concluída com sucesso.</translation>
    </message>
    <message>
        <source>Writing End, but an answer from the radio was not clear. Please read the radio back to verify.</source>
        <translation>Gravação concluída, mas uma resposta do rádio não foi clara. Leia o rádio novamente para verificar.</translation>
    </message>
    <message>
        <source>the radio holds every byte written</source>
        <translation>o rádio contém todos os bytes gravados</translation>
    </message>
    <message>
        <source>Invalid password. Codeplug is password protected.</source>
        <translation>Senha inválida. O codeplug está protegido por senha.</translation>
    </message>
    <message>
        <source>The cable was disconnected.</source>
        <translation>O cabo foi desconectado.</translation>
    </message>
    <message>
        <source>Verified: the radio holds every byte written.</source>
        <translation>Verificado: o rádio contém todos os bytes gravados.</translation>
    </message>
    <message>
        <source>Comm. Port Unavailable !</source>
        <translation>Porta COM indisponível!</translation>
    </message>
    <message>
        <source>Please Change the Port selection.</source>
        <translation>Altere a seleção de porta.</translation>
    </message>
    <message>
        <source>Choose the port of the programming cable.</source>
        <translation>Escolha a porta do cabo de programação.</translation>
    </message>
    <message>
        <source>Only its owner may use it; ask the administrator for access.</source>
        <translation>Só o proprietário pode usá-lo; peça acesso ao administrador.</translation>
    </message>
    <message>
        <source>then log out and in again.</source>
        <translation>e depois saia e entre novamente.</translation>
    </message>
    <message>
        <source>Close that program and try again.</source>
        <translation>Feche esse programa e tente novamente.</translation>
    </message>
    <message>
        <source>No serial device was found for this port.</source>
        <translation>Nenhum dispositivo serial foi encontrado para esta porta.</translation>
    </message>
    <message>
        <source>Is the programming cable plugged in?</source>
        <translation>O cabo de programação está conectado?</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>um arquivo</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>um pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>not a character device</source>
        <translation>um dispositivo que não é de caracteres</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>outro programa</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Não é possível salvar %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a Vantrel programmer data file</source>
        <translation>%1 não é um arquivo de dados de programação Vantrel</translation>
    </message>
    <message>
        <source>%1 holds only %2 of the %3 codeplug bytes</source>
        <translation>%1 contém apenas %2 dos %3 bytes do codeplug</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is outside 0 to 255</source>
        <translation>%1: o valor %2 (%3) está fora de 0 a 255</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is not a number</source>
        <translation>%1: o valor %2 (%3) não é um número</translation>
    </message>
    <message>
        <source>%1: value %2 is not text</source>
        <translation>%1: o valor %2 não é texto</translation>
    </message>
    <message>
        <source>%1 is too long for a data file (over 1 MiB)</source>
        <translation>%1 é grande demais para um arquivo de dados (mais de 1 MiB)</translation>
    </message>
    <message>
        <source>Channel %1: this radio has %2 channels</source>
        <translation>Canal %1: este rádio tem %2 canais</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 byte difere</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 bytes diferem</translation>
    </message>
    <message>
        <source>byte %1 written %2, read back %3</source>
        <translation>byte %1 gravado %2, lido %3</translation>
    </message>
    <message>
        <source>imported %1 row; %2 left out</source>
        <translation>%1 linha importada; %2 não importadas</translation>
    </message>
    <message>
        <source>imported %1 rows; %2 left out</source>
        <translation>%1 linhas importadas; %2 não importadas</translation>
    </message>
    <message>
        <source>imported %1 row into channel %2; %3 left out</source>
        <translation>%1 linha importada no canal %2; %3 não importadas</translation>
    </message>
    <message>
        <source>imported %1 rows into channels %2–%3; %4 left out</source>
        <translation>%1 linhas importadas nos canais %2–%3; %4 não importadas</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>location %1: %2</source>
        <translation>posição %1: %2</translation>
    </message>
    <message>
        <source>not a CHIRP channel list: %1</source>
        <translation>não é uma lista de canais CHIRP: %1</translation>
    </message>
    <message>
        <source>%1 is %2, not a serial device.</source>
        <translation>%1 é %2, não um dispositivo serial.</translation>
    </message>
    <message>
        <source>%1: permission denied.</source>
        <translation>%1: permissão negada.</translation>
    </message>
    <message>
        <source>You are in the group &quot;%1&quot;, but this login is older than that: log out and in again.</source>
        <translation>Você está no grupo &quot;%1&quot;, mas esta sessão foi iniciada antes disso: saia e entre novamente.</translation>
    </message>
    <message>
        <source>The device belongs to the group &quot;%1&quot;. Add yourself to it with</source>
        <translation>O dispositivo pertence ao grupo &quot;%1&quot;. Adicione-se a ele com</translation>
    </message>
    <message>
        <source>%1 is busy: %2 is using it.</source>
        <translation>%1 está ocupado: %2 o está usando.</translation>
    </message>
    <message>
        <source>%1: no such device.</source>
        <translation>%1: o dispositivo não existe.</translation>
    </message>
    <message>
        <source>%1: no such device (it is gone).</source>
        <translation>%1: o dispositivo não existe (ele sumiu).</translation>
    </message>
    <message>
        <source>read</source>
        <translation>leitura</translation>
    </message>
    <message>
        <source>write</source>
        <translation>gravação</translation>
    </message>
    <message>
        <source>%1 Verified: the radio holds every byte written.</source>
        <translation>%1 Verificado: o rádio contém todos os bytes gravados.</translation>
    </message>
    <message>
        <source>%1 The cable was disconnected.</source>
        <translation>%1 O cabo foi desconectado.</translation>
    </message>
    <message>
        <source>Stopped during the %1, before its data blocks.</source>
        <translation>Interrompido durante a %1, antes dos blocos de dados.</translation>
    </message>
    <message>
        <source>Stopped during the %1 at block %2 of %3.</source>
        <translation>Interrompido durante a %1 no bloco %2 de %3.</translation>
    </message>
    <message>
        <source>the codeplug would give every radio the serial number &apos;%1&apos; (its serial write enable is set): write one radio at a time</source>
        <translation>o codeplug daria a todos os rádios o número de série &apos;%1&apos; (a gravação do número de série está ativada): grave um rádio de cada vez</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Varredura</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>CSQ / DPL / TPL / IDPL / TPL1 / TPL2 / TPL3</source>
        <translation>CSQ / DPL / TPL / IDPL / TPL1 / TPL2 / TPL3</translation>
    </message>
    <message>
        <source>1:Std Unmuting,Std Muting; 2:And Unmuting,Std Muting; 3:And Unmuting,Or Muting</source>
        <translation>1:Abertura padrão,Fechamento padrão; 2:Abertura E,Fechamento padrão; 3:Abertura E,Fechamento OU</translation>
    </message>
    <message>
        <source>Ch No</source>
        <translation>Nº Ch</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Número do canal</translation>
    </message>
    <message>
        <source>Rx Freq.</source>
        <translation>Freq. Rx</translation>
    </message>
    <message>
        <source>Channel Rx Frequency Edit</source>
        <translation>Edição da frequência Rx do canal</translation>
    </message>
    <message>
        <source>PL Option</source>
        <translation>Opção PL</translation>
    </message>
    <message>
        <source>Channel Rx PL Option Setting</source>
        <translation>Ajuste da opção PL Rx do canal</translation>
    </message>
    <message>
        <source>SQ</source>
        <translation>SQ</translation>
    </message>
    <message>
        <source>Squelch Setting</source>
        <translation>Ajuste de squelch</translation>
    </message>
    <message>
        <source>Normal or Tight</source>
        <translation>Normal ou rígido</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mudo</translation>
    </message>
    <message>
        <source>Tx Freq.</source>
        <translation>Freq. Tx</translation>
    </message>
    <message>
        <source>Channel Tx Frequency Edit</source>
        <translation>Edição da frequência Tx do canal</translation>
    </message>
    <message>
        <source>Channel Tx PL Option Setting</source>
        <translation>Ajuste da opção PL Tx do canal</translation>
    </message>
    <message>
        <source>PWR</source>
        <translation>PWR</translation>
    </message>
    <message>
        <source>Power Level Setting</source>
        <translation>Ajuste do nível de potência</translation>
    </message>
    <message>
        <source>TOC</source>
        <translation>TOC</translation>
    </message>
    <message>
        <source>DPL Turn Off Code Setting</source>
        <translation>Ajuste do código de desligamento DPL</translation>
    </message>
    <message>
        <source>DPL Turn Off Code Enable or Disable</source>
        <translation>Código de desligamento DPL: habilitar ou desabilitar</translation>
    </message>
    <message>
        <source>Rx Only</source>
        <translation>Só Rx</translation>
    </message>
    <message>
        <source>Rx Only Setting</source>
        <translation>Ajuste de Só Rx</translation>
    </message>
    <message>
        <source> Rx Only Enable or Disable</source>
        <translation> Só Rx: habilitar ou desabilitar</translation>
    </message>
    <message>
        <source>Rev Burst</source>
        <translation>Raj. rev.</translation>
    </message>
    <message>
        <source>TPL Reverse Burst Setting</source>
        <translation>Ajuste da rajada reversa TPL</translation>
    </message>
    <message>
        <source>None / 180 / 240</source>
        <translation>Nenhuma / 180 / 240</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Busy Channel Lock Out Setting</source>
        <translation>Ajuste de bloqueio de canal ocupado</translation>
    </message>
    <message>
        <source>BCLO Enable or Disable</source>
        <translation>BCLO: habilitar ou desabilitar</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Channel Bandwidth Setting</source>
        <translation>Ajuste da largura de banda do canal</translation>
    </message>
    <message>
        <source>12.5KHz / 25KHz</source>
        <translation>12.5KHz / 25KHz</translation>
    </message>
    <message>
        <source>TA</source>
        <translation>TA</translation>
    </message>
    <message>
        <source>Talkaround Setting</source>
        <translation>Ajuste de talkaround</translation>
    </message>
    <message>
        <source>Repeater/Talkaround Set</source>
        <translation>Repetidora/Talkaround</translation>
    </message>
</context>
<context>
    <name>GridText</name>
    <message>
        <source>Invalid number</source>
        <translation>Número inválido</translation>
    </message>
</context>
<context>
    <name>StatusHelp</name>
    <message>
        <source>Scan List</source>
        <translation>Lista de varredura</translation>
    </message>
    <message>
        <source>User Defined TPL </source>
        <translation>TPL do usuário </translation>
    </message>
    <message>
        <source>Programmable Button Selection</source>
        <translation>Seleção do botão programável</translation>
    </message>
    <message>
        <source>Scan Type Selection</source>
        <translation>Seleção do tipo de varredura</translation>
    </message>
    <message>
        <source>Time Out Timer (TOT) Selection</source>
        <translation>Seleção do temporizador de TX (TOT)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Input Password 8 Characters</source>
        <translation>Digite a senha (8 caracteres)</translation>
    </message>
    <message>
        <source>Codeplug Version (Read Only)</source>
        <translation>Versão do codeplug (somente leitura)</translation>
    </message>
    <message>
        <source>Programmable Button 1 Short Press</source>
        <translation>Botão programável 1 (toque curto)</translation>
    </message>
    <message>
        <source>Programmable Button 1 Long Press</source>
        <translation>Botão programável 1 (toque longo)</translation>
    </message>
    <message>
        <source>Programmable Button 2 Short Press</source>
        <translation>Botão programável 2 (toque curto)</translation>
    </message>
    <message>
        <source>Programmable Button 2 Long Press</source>
        <translation>Botão programável 2 (toque longo)</translation>
    </message>
    <message>
        <source>Firmware Version (Read Only)</source>
        <translation>Versão do firmware (somente leitura)</translation>
    </message>
    <message>
        <source>Frequency Range [MHz] (Read Only)</source>
        <translation>Faixa de frequência [MHz] (somente leitura)</translation>
    </message>
    <message>
        <source>Model Number (Read Only)</source>
        <translation>Número do modelo (somente leitura)</translation>
    </message>
    <message>
        <source>Serial Number (Read Only)</source>
        <translation>Número de série (somente leitura)</translation>
    </message>
    <message>
        <source>Input Regional Super Velmar Number 16 Characters</source>
        <translation>Digite o número Super Velmar regional (16 caracteres)</translation>
    </message>
    <message>
        <source>Scan Interval Time (msec)</source>
        <translation>Intervalo de varredura (msec)</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No.</source>
        <translation>Nº Ch prioritário</translation>
    </message>
    <message>
        <source>Scan Hang Time (msec)</source>
        <translation>Tempo de permanência (msec)</translation>
    </message>
    <message>
        <source>Scan Speed (msec)</source>
        <translation>Veloc. de varredura (msec)</translation>
    </message>
    <message>
        <source>TOT Warning Time (sec)</source>
        <translation>Tempo de aviso TOT (sec)</translation>
    </message>
    <message>
        <source>TX Time Out Time (sec)</source>
        <translation>Tempo limite de TX (sec)</translation>
    </message>
    <message>
        <source>TPL1 (Hz)</source>
        <translation>TPL1 (Hz)</translation>
    </message>
    <message>
        <source>TPL2 (Hz)</source>
        <translation>TPL2 (Hz)</translation>
    </message>
    <message>
        <source>TPL3 (Hz)</source>
        <translation>TPL3 (Hz)</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Lista de canais</translation>
    </message>
    <message>
        <source>Scan List Channel</source>
        <translation>Canais da lista de varredura</translation>
    </message>
    <message>
        <source>Scan List Add Button</source>
        <translation>Botão para incluir na lista de varredura</translation>
    </message>
    <message>
        <source>Scan List Remove Button</source>
        <translation>Botão para remover da lista de varredura</translation>
    </message>
    <message>
        <source>Battery Save Mode Enable Option</source>
        <translation>Opção de modo economia de bateria</translation>
    </message>
    <message>
        <source>Priority Scan Enable Option</source>
        <translation>Opção de varredura prioritária</translation>
    </message>
    <message>
        <source>Quick Key Override Enable Option</source>
        <translation>Opção de anulação por tecla rápida</translation>
    </message>
    <message>
        <source>Normal Scan Enable Option</source>
        <translation>Opção de varredura normal</translation>
    </message>
    <message>
        <source>TOT (Time Out Timer) Enable Option</source>
        <translation>Opção de habilitar TOT (temporizador de TX)</translation>
    </message>
    <message>
        <source>Talkback Scan Enable Option </source>
        <translation>Opção de varredura com resposta </translation>
    </message>
    <message>
        <source>Scan Interval Time : 250 to 5000msec</source>
        <translation>Intervalo de varredura : 250 a 5000msec</translation>
    </message>
    <message>
        <source>Scan Hang Time : 500 to 9500msec</source>
        <translation>Tempo de permanência : 500 a 9500msec</translation>
    </message>
    <message>
        <source>Scan Speed Time : 50 to 500msec</source>
        <translation>Velocidade de varredura : 50 a 500msec</translation>
    </message>
    <message>
        <source>TOT Warning Time : 1 to 10sec</source>
        <translation>Tempo de aviso TOT : 1 a 10sec</translation>
    </message>
    <message>
        <source>TX Time Out Time : 10 to 600sec</source>
        <translation>Tempo limite de TX : 10 a 600sec</translation>
    </message>
    <message>
        <source>TPL Frequency : 67 to 255Hz</source>
        <translation>Frequência TPL : 67 a 255Hz</translation>
    </message>
</context>
<context>
    <name>UndoStepNames</name>
    <message>
        <source>Channel Edit</source>
        <translation>Edição de canal</translation>
    </message>
    <message>
        <source>PL Option</source>
        <translation>Opção PL</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de varredura</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No.</source>
        <translation>Nº Ch prioritário</translation>
    </message>
    <message>
        <source>User TPL Frequency</source>
        <translation>Frequência TPL do usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Super Number</source>
        <translation>Número super</translation>
    </message>
    <message>
        <source>Button 1 Short Press</source>
        <translation>Botão 1 (toque curto)</translation>
    </message>
    <message>
        <source>Button 1 Long Press</source>
        <translation>Botão 1 (toque longo)</translation>
    </message>
    <message>
        <source>Button 2 Short Press</source>
        <translation>Botão 2 (toque curto)</translation>
    </message>
    <message>
        <source>Button 2 Long Press</source>
        <translation>Botão 2 (toque longo)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>vantrel::ButtonFrame</name>
    <message>
        <source>Programmable Button 1 Short Press</source>
        <translation>Botão programável 1 (toque curto)</translation>
    </message>
    <message>
        <source>Programmable Button 1 Long Press</source>
        <translation>Botão programável 1 (toque longo)</translation>
    </message>
    <message>
        <source>Programmable Button 2 Short Press</source>
        <translation>Botão programável 2 (toque curto)</translation>
    </message>
    <message>
        <source>Programmable Button 2 Long Press</source>
        <translation>Botão programável 2 (toque longo)</translation>
    </message>
    <message>
        <source>Programmable Button</source>
        <translation>Botão programável</translation>
    </message>
</context>
<context>
    <name>vantrel::ChannelCsvCommands</name>
    <message>
        <source>CHIRP channel list</source>
        <translation>Lista de canais CHIRP</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exportar canais</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importar canais</translation>
    </message>
    <message>
        <source>&amp;Export Channels..</source>
        <translation>&amp;Exportar canais..</translation>
    </message>
    <message>
        <source>&amp;Import Channels..</source>
        <translation>I&amp;mportar canais..</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Não importadas:</translation>
    </message>
</context>
<context>
    <name>vantrel::ChannelGrid</name>
    <message>
        <source>Ch No : %1</source>
        <translation>Nº Ch : %1</translation>
    </message>
    <message>
        <source>High or Low</source>
        <translation>Alta ou baixa</translation>
    </message>
</context>
<context>
    <name>vantrel::EditorUndo</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
</context>
<context>
    <name>vantrel::EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Nothing is loaded yet.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Read a radio: &lt;b&gt;Device &amp;gt; Read&lt;/b&gt; (Ctrl+R).&lt;br&gt;Open a data file: &lt;b&gt;File &amp;gt; Open..&lt;/b&gt; (Ctrl+O).&lt;br&gt;Program a blank radio: &lt;a href=&quot;super&quot;&gt;enter its regional super number&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Nada foi carregado ainda.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Ler um rádio: &lt;b&gt;Dispositivo &amp;gt; Ler&lt;/b&gt; (Ctrl+R).&lt;br&gt;Abrir um arquivo de dados: &lt;b&gt;Arquivo &amp;gt; Abrir..&lt;/b&gt; (Ctrl+O).&lt;br&gt;Programar um rádio virgem: &lt;a href=&quot;super&quot;&gt;digite o número super regional dele&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>vantrel::FileCommands</name>
    <message>
        <source>Programmer data file</source>
        <translation>Arquivo de dados de programação</translation>
    </message>
    <message>
        <source>Save Current Data to File ?</source>
        <translation>Salvar os dados atuais em um arquivo?</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>Salvar?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>The path you entered,<byte value="xd"/>
&apos;%1&apos; is too long, Enter a shorter path.</source>
        <translation>O caminho digitado,<byte value="xd"/>
&apos;%1&apos; é longo demais. Digite um caminho mais curto.</translation>
    </message>
    <message>
        <source>   The file name, location, or format is not valid. Type the file name and location in the correct format.</source>
        <translation>   O nome, o local ou o formato do arquivo não é válido. Digite o nome e o local do arquivo no formato correto.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>vantrel::GridClipboard</name>
    <message>
        <source>Nothing was pasted:</source>
        <translation>Nada foi colado:</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
</context>
<context>
    <name>vantrel::HelpViewer</name>
    <message>
        <source>Vantrel CPS Help</source>
        <translation>Ajuda do Vantrel CPS</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
</context>
<context>
    <name>vantrel::ImportNumberingDialog</name>
    <message>
        <source>&amp;Keep the list&apos;s channel numbers</source>
        <translation>&amp;Manter os números de canal da lista</translation>
    </message>
    <message>
        <source>&amp;Fill channels from</source>
        <translation>&amp;Preencher os canais a partir do</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importar canais</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Primeiro canal</translation>
    </message>
    <message>
        <source>in the list&apos;s order, skipping rows the radio cannot take</source>
        <translation>na ordem da lista, pulando as linhas que o rádio não aceita</translation>
    </message>
</context>
<context>
    <name>vantrel::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The language changes when Vantrel CPS starts again.</source>
        <translation>O idioma muda na próxima vez que o Vantrel CPS for iniciado.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>vantrel::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open..</source>
        <translation>&amp;Abrir..</translation>
    </message>
    <message>
        <source>Radio &amp;Archive...</source>
        <translation>&amp;Histórico de rádios...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>&amp;Print..</source>
        <translation>&amp;Imprimir..</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Dispositivo</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Ler</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Gravar</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Programar &amp;vários rádios...</translation>
    </message>
    <message>
        <source>&amp;Comm Port</source>
        <translation>&amp;Porta COM</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tópicos da ajuda</translation>
    </message>
    <message>
        <source>&amp;About Vantrel CPS...</source>
        <translation>&amp;Sobre o Vantrel CPS...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
</context>
<context>
    <name>vantrel::PasswordForm</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>vantrel::ProgramCommands</name>
    <message>
        <source>Verifying...</source>
        <translation>Verificando...</translation>
    </message>
    <message>
        <source>Verify after write: </source>
        <translation>Verificação após a gravação: </translation>
    </message>
    <message>
        <source>the radio could not be read back (%1)</source>
        <translation>não foi possível ler o rádio de volta (%1)</translation>
    </message>
    <message>
        <source>Please close your window before programming the radio.</source>
        <translation>Feche a sua janela antes de programar o rádio.</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioInfoFrame</name>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Regional Super Velmar</source>
        <translation>Super Velmar regional</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informações do rádio</translation>
    </message>
    <message>
        <source>POP Enable</source>
        <translation>Habilitar POP</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Número do modelo</translation>
    </message>
    <message>
        <source>Frequency Range</source>
        <translation>Faixa de frequência</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versão do codeplug</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Please Press the &apos;Enter&apos; Key</source>
        <translation>Pressione a tecla &apos;Enter&apos;</translation>
    </message>
    <message>
        <source>Enter Current Serial Number to Radio ?</source>
        <translation>Gravar o número de série atual no rádio?</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>Salvar?</translation>
    </message>
    <message>
        <source>Enter Current Regional Super Velmar Number to Radio ?</source>
        <translation>Gravar o número Super Velmar regional atual no rádio?</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>Senha inválida</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioLink</name>
    <message>
        <source>Archive: %1</source>
        <translation>Histórico: %1</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioSettings</name>
    <message>
        <source>Talkback Scan Enable</source>
        <translation>Varredura com resposta</translation>
    </message>
    <message>
        <source>Battery Save Mode Enable</source>
        <translation>Modo economia de bateria</translation>
    </message>
    <message>
        <source>TOT Enable</source>
        <translation>Habilitar TOT</translation>
    </message>
    <message>
        <source>Priority Scan Enable</source>
        <translation>Varredura prioritária</translation>
    </message>
    <message>
        <source>Normal Scan Enable</source>
        <translation>Varredura normal</translation>
    </message>
    <message>
        <source>Quick Key Override Enable</source>
        <translation>Anulação por tecla rápida</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Varredura</translation>
    </message>
    <message>
        <source>Time Out Timer</source>
        <translation>Temporizador de TX</translation>
    </message>
    <message>
        <source> Prio. Scan Ch. No.</source>
        <translation> Nº Ch prioritário</translation>
    </message>
</context>
<context>
    <name>vantrel::ReadNotice</name>
    <message>
        <source>1 field differs</source>
        <translation>1 campo difere</translation>
    </message>
    <message>
        <source>%1 fields differ</source>
        <translation>%1 campos diferem</translation>
    </message>
    <message>
        <source>Radio %1 no longer holds its last write, of %2 UTC: %3.<byte value="xd"/>
<byte value="xd"/>
Compare the radio with that write?</source>
        <translation>O rádio %1 não contém mais sua última gravação, de %2 UTC: %3.<byte value="xd"/>
<byte value="xd"/>
Comparar o rádio com essa gravação?</translation>
    </message>
    <message>
        <source>Radio Archive</source>
        <translation>Histórico de rádios</translation>
    </message>
</context>
<context>
    <name>vantrel::ScanListPanel</name>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de varredura</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Incluir &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation>&lt;&lt; Remover</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Lista de canais</translation>
    </message>
    <message>
        <source>Scan List Channel</source>
        <translation>Canais da lista de varredura</translation>
    </message>
    <message>
        <source>Scan List Add Button</source>
        <translation>Botão para incluir na lista de varredura</translation>
    </message>
    <message>
        <source>Scan List Remove Button</source>
        <translation>Botão para remover da lista de varredura</translation>
    </message>
    <message>
        <source>Priority Scan Channel Number : 1 to %1Ch</source>
        <translation>Número do canal prioritário : 1 a %1Ch</translation>
    </message>
</context>
<context>
    <name>vantrel::UserTplFrame</name>
    <message>
        <source>  User Defined TPL </source>
        <translation>  TPL do usuário </translation>
    </message>
    <message>
        <source> RX</source>
        <translation> RX</translation>
    </message>
    <message>
        <source> TX</source>
        <translation> TX</translation>
    </message>
    <message>
        <source> TPL%1 (Hz)</source>
        <translation> TPL%1 (Hz)</translation>
    </message>
    <message>
        <source>Invalid Frequency</source>
        <translation>Frequência inválida</translation>
    </message>
</context>
<context>
    <name>vantrel::frmAbout</name>
    <message>
        <source>Customer programming software for Vantrel two-way radios</source>
        <translation>Software de programação para rádios comunicadores Vantrel</translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>Versão : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vantrel::frmArchive</name>
    <message>
        <source>Radio Archive</source>
        <translation>Histórico de rádios</translation>
    </message>
    <message>
        <source>Programmer data file</source>
        <translation>Arquivo de dados de programação</translation>
    </message>
    <message>
        <source>Radio without serial number</source>
        <translation>Rádio sem número de série</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Rádio %1</translation>
    </message>
    <message>
        <source>%1, %2 of %3 UTC</source>
        <translation>%1, %2 de %3 UTC</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Nº série</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Last Entry</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Hora (UTC)</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Salvar como...</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;tualizar</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>The radio archive is turned off (VANTREL_ARCHIVE or the setting Archive/Location is &quot;off&quot;).</source>
        <translation>O histórico de rádios está desativado (VANTREL_ARCHIVE ou a configuração Archive/Location é &quot;off&quot;).</translation>
    </message>
    <message>
        <source>The radio archive %1 cannot be opened: %2</source>
        <translation>Não é possível abrir o histórico de rádios %1: %2</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Histórico: %1</translation>
    </message>
    <message>
        <source>The radio archive %1 cannot be read: %2</source>
        <translation>Não é possível ler o histórico de rádios %1: %2</translation>
    </message>
    <message>
        <source>This entry is no longer in the archive.</source>
        <translation>Este registro não está mais no histórico.</translation>
    </message>
    <message>
        <source>This %1 did not complete: the archive holds no image of it.</source>
        <translation>Esta operação (%1) não foi concluída: o histórico não guarda a imagem dela.</translation>
    </message>
    <message>
        <source>This entry&apos;s image does not match its checksum and is not used.</source>
        <translation>A imagem deste registro não confere com a soma de verificação e não é usada.</translation>
    </message>
    <message>
        <source>No field differs.</source>
        <translation>Nenhum campo difere.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>Não foi possível salvar %1: %2</translation>
    </message>
</context>
<context>
    <name>vantrel::frmChannelToneOption</name>
    <message>
        <source>Channel Tone Option</source>
        <translation>Opção de tom do canal</translation>
    </message>
    <message>
        <source>TPL Frequency Table</source>
        <translation>Tabela de frequências TPL</translation>
    </message>
    <message>
        <source>DPL Code Table</source>
        <translation>Tabela de códigos DPL</translation>
    </message>
</context>
<context>
    <name>vantrel::frmFleet</name>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programar vários rádios</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Verificar após gravar</translation>
    </message>
    <message>
        <source>Radio password, if the radios ask</source>
        <translation>Senha dos rádios, se pedirem</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Save Summary...</source>
        <translation>Salvar resumo...</translation>
    </message>
    <message>
        <source>no serial device</source>
        <translation>nenhum dispositivo serial</translation>
    </message>
    <message>
        <source>Tick the ports of the radios to program.</source>
        <translation>Marque as portas dos rádios a programar.</translation>
    </message>
    <message>
        <source>%1 of %2 radios programmed.</source>
        <translation>%1 de %2 rádios programados.</translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation>Salvar resumo</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>Arquivos CSV</translation>
    </message>
    <message>
        <source>Cannot save the summary: </source>
        <translation>Não é possível salvar o resumo: </translation>
    </message>
</context>
<context>
    <name>vantrel::frmMain</name>
    <message>
        <source>Vantrel CPS</source>
        <translation>Vantrel CPS</translation>
    </message>
    <message>
        <source>Priority Scan Channel Number : 1 to %1Ch</source>
        <translation>Número do canal prioritário : 1 a %1Ch</translation>
    </message>
    <message>
        <source>&amp;Radio Configuration</source>
        <translation>&amp;Configuração do rádio</translation>
    </message>
    <message>
        <source>Conventional Personality</source>
        <translation>Personalidade convencional</translation>
    </message>
</context>
<context>
    <name>vantrel::frmProgram</name>
    <message>
        <source>Program</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Verificar após gravar</translation>
    </message>
    <message>
        <source>Click Write Button</source>
        <translation>Clique no botão Gravar</translation>
    </message>
    <message>
        <source>Click Read Button</source>
        <translation>Clique no botão Ler</translation>
    </message>
    <message>
        <source>  To write codeplug data to radio:</source>
        <translation>  Para gravar o codeplug no rádio:</translation>
    </message>
    <message>
        <source>  To read codeplug data from radio:</source>
        <translation>  Para ler o codeplug do rádio:</translation>
    </message>
    <message>
        <source>  1. Turn off radio.</source>
        <translation>  1. Desligue o rádio.</translation>
    </message>
    <message>
        <source>  2. Connect programming cable to radio.</source>
        <translation>  2. Conecte o cabo de programação ao rádio.</translation>
    </message>
    <message>
        <source>  3. Press and hold Programmable Button 1 while turning on radio.</source>
        <translation>  3. Mantenha pressionado o botão programável 1 enquanto liga o rádio.</translation>
    </message>
    <message>
        <source>  4. Radio will beep once. Release Programmable Button 1.</source>
        <translation>  4. O rádio emitirá um bipe. Solte o botão programável 1.</translation>
    </message>
    <message>
        <source> ORANGE LED will be shown on radio.</source>
        <translation> O LED LARANJA do rádio acenderá.</translation>
    </message>
    <message>
        <source>  5. Click Write button on CPS.</source>
        <translation>  5. Clique no botão Gravar do CPS.</translation>
    </message>
    <message>
        <source>  5. Click Read button on CPS.</source>
        <translation>  5. Clique no botão Ler do CPS.</translation>
    </message>
    <message>
        <source>  6. CPS will show reading progress bar. Once completed, it will close by itself.</source>
        <translation>  6. O CPS mostrará a barra de progresso. Ao terminar, fechará sozinho.</translation>
    </message>
    <message>
        <source>Waiting for radio...</source>
        <translation>Aguardando o rádio...</translation>
    </message>
    <message>
        <source>Close Program</source>
        <translation>Fechar esta janela</translation>
    </message>
    <message>
        <source>Read Codeplug Data From Radio To PC</source>
        <translation>Ler os dados do codeplug do rádio para o PC</translation>
    </message>
    <message>
        <source>Write Radio Codeplug Data PC To Radio</source>
        <translation>Gravar os dados do codeplug do PC no rádio</translation>
    </message>
</context>
<context>
    <name>vantrel::frmSpla</name>
    <message>
        <source>Customer Programming Software</source>
        <translation>Software de programação do cliente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vantrel::report::frmMultiPgPreview</name>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Opções de impressão</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajust.</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar à página</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Visualizar impressão</translation>
    </message>
</context>
</TS>
