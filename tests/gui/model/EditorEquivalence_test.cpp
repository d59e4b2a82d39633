// One table of odd data files through two paths: the editor (File > Open,
// then Write on the simulated radio) and vantrelctl's path (the editing model
// writing on its own simulated radio, and `vantrelctl check`). Both must show
// the same messages in the same order, refuse the same files and send the
// same bytes.
#include <QProcess>
#include <gtest/gtest.h>

#include "codeplug/ByteMap.h"
#include "gui/link/LinkFixture.h"
#include "gui/shell/FileCommands.h"
#include "link/Link.h"
#include "link/ModelWriteSteps.h"
#include "link/WriteProtocol.h"
#include "model/MessageLine.h"
#include "model/OpenForWrite.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;
using C = MDIFormMain::Command;

struct OddFile {
    const char* name;
    const char* base;  // the default data file it starts from (also the radio's image)
    void (*change)(CodeplugImage::Bytes&);
    bool refused;  // the editor refuses to write it
};

void word(CodeplugImage::Bytes& b, std::size_t at, int v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void priorityScanOn(CodeplugImage::Bytes& b) {
    b[bm::OptionFlags] = static_cast<std::uint8_t>((b[bm::OptionFlags] | 0x02) & ~0x08);
}

const OddFile kOddFiles[] = {
    {"tx time-out byte 0", "U2_NAG.cpg", [](auto& b) { b[bm::TotTime] = 0; }, false},
    {"priority channel outside the scan list", "U2_NAG.cpg",
     [](auto& b) {
         priorityScanOn(b);
         b[bm::scanSlot(3)] = 0;
         b[bm::PrioScanChNo] = 3;
     }, true},
    {"model index disagrees with the super number", "U2_NAG.cpg", [](auto& b) { b[bm::ModelIndex] = 4; }, false},
    {"priority channel 12 on an 8-channel model", "U2_NAG1.cpg", [](auto& b) { b[bm::PrioScanChNo] = 12; }, false},
    {"TPL1 receive 300.0 Hz, TPL3 transmit 256.0 Hz", "U2_NAG.cpg",
     [](auto& b) {
         word(b, bm::userTplRxWord(0), 3000);
         word(b, bm::userTplTxWord(2), 2560);
     }, true},
    {"scan interval byte 2", "U2_NAG.cpg", [](auto& b) { b[bm::LookBackTime] = 2; }, false},
    {"priority channel 0 with priority scan", "U2_NAG.cpg",
     [](auto& b) {
         priorityScanOn(b);
         b[bm::PrioScanChNo] = 0;
     }, false},
    {"both scan kinds enabled", "U2_NAG.cpg", [](auto& b) { b[bm::OptionFlags] |= 0x0A; }, false},
    {"battery save on bit 5 only", "U2_NAG.cpg",
     [](auto& b) { b[bm::OptionFlags] = static_cast<std::uint8_t>((b[bm::OptionFlags] & ~0x60) | 0x20); }, false},
    {"short-press code outside the list", "U2_NAG.cpg", [](auto& b) { b[bm::ButtonCodeS1] = 12; }, false},
    {"TPL2 receive word 0", "U2_NAG.cpg", [](auto& b) { word(b, bm::userTplRxWord(1), 0); }, false},
    {"stray scan slot value", "U2_NAG.cpg", [](auto& b) { b[bm::scanSlot(5)] = 9; }, false},
    {"serial write enabled", "U2_NAG.cpg", [](auto& b) { b[bm::SerialWriteEnable] = 1; }, false},
};

struct PathResult {
    QStringList messages;
    bool refused = false;
    CodeplugImage::Bytes radio{};
};

PathResult ThroughEditor(const CodeplugImage::Bytes& radio, const QString& path) {
    LinkFixture f(radio);
    f.prompts.fileNames.push_back(path);
    FileCommands files(f.state, f.prompts, f.editor());
    files.mnuFileOpen_Click();
    f.main->runCommand(C::Write);
    PathResult r;
    r.refused = !f.dialog().isVisible();
    if (!r.refused) f.commands.cmdWrite_Click();
    r.messages = f.prompts.texts();
    r.radio = f.radio.image();
    return r;
}

struct AcceptingObserver : link::LinkObserver {
    void status(const std::string&) override {}
    void progress(int) override {}
    void indicator(link::Indicator, bool) override {}
    link::PasswordOutcome writePassword(const std::string&) override { return link::PasswordOutcome::Accepted; }
};

PathResult ThroughModel(const CodeplugImage::Bytes& radioImage, const QString& path) {
    AppState state;
    EditingModel model(state);
    model.LoadEditor();
    const PathReport report = OpenForWrite(model, path.toStdString());
    PathResult r;
    for (const auto* list : {&report.opening, &report.writing})
        for (const Message& m : *list) r.messages << QString::fromStdString(m.text);
    r.refused = report.refused;
    link::SimulatedRadio radio(radioImage, {});
    link::testing::VirtualLine line{[&radio](std::uint8_t b) { return radio.receive(b); }};
    if (!r.refused) {
        std::string error;
        line.open(error);
        link::Link link(line);
        AcceptingObserver observer;
        EXPECT_EQ(link::WriteCodeplug(link, observer, state, ModelWriteSteps(model)),
                  link::TransferOutcome::Success);
    }
    r.radio = radio.image();
    return r;
}

TEST(EditorEquivalence, OddFilesAreRefusedCorrectedAndSentAlikeByEditorAndCommandLine) {
    QTemporaryDir dir;
    for (const OddFile& odd : kOddFiles) {
        SCOPED_TRACE(odd.name);
        const CodeplugImage::Bytes radio = DefaultImage(odd.base);
        CodeplugImage file;
        file.replaceAll(radio);
        CodeplugImage::Bytes bytes = radio;
        odd.change(bytes);
        file.replaceAll(bytes);
        const QString path = dir.filePath(QString(odd.name).replace(' ', '_') + ".cpg");
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(FormatCodeplugFile(file)));
        out.close();

        const PathResult editor = ThroughEditor(radio, path);
        const PathResult model = ThroughModel(radio, path);
        EXPECT_EQ(model.messages, editor.messages);
        EXPECT_EQ(model.refused, editor.refused);
        EXPECT_EQ(model.radio, editor.radio);
        EXPECT_EQ(editor.refused, odd.refused);

        QProcess check;
        check.start(QStringLiteral(VANTRELCTL_PATH), {"check", path});
        ASSERT_TRUE(check.waitForFinished(20000));
        EXPECT_EQ(check.exitCode(), editor.refused ? 1 : 0);
        const QString err = QString::fromUtf8(check.readAllStandardError());
        for (const QString& m : editor.messages)
            EXPECT_TRUE(err.contains(QString::fromStdString(MessageLine(Message{m.toStdString()})))) << err.toStdString();
    }
}

}  // namespace
}  // namespace vantrel::test
