#pragma once
// Offsets of the fields of the 384-byte codeplug image. Every other file takes
// its offsets from here.
#include <cstddef>
#include <cstdint>

namespace vantrel::bytemap {

constexpr std::size_t kImageSize = 384;

constexpr std::size_t ChannelCount = 2;
constexpr std::size_t EditorMarker = 3;        // 0xA5 once the editor has loaded
constexpr std::size_t RadioType = 4;
constexpr std::size_t OptionFlags = 5;
constexpr std::size_t TotTime = 6;
constexpr std::size_t ScanSpeedTime = 7;
constexpr std::size_t ScanDelayTime = 8;
constexpr std::size_t LookBackTime = 9;
constexpr std::size_t TotPenaltyTime = 10;
constexpr std::size_t Fixed60 = 11;            // 60 before every write and save
constexpr std::size_t Fixed20 = 12;            // 20 before every write and save
constexpr std::size_t Fixed10 = 13;            // 10 after Default and the timing reset
constexpr std::size_t PrioScanChNo = 14;
// The values bytes 11, 12 and 13 are given (11 and 12 before every write and
// save; all three by Default and the timing reset).
constexpr std::uint8_t kFixed60Value = 60;
constexpr std::uint8_t kFixed20Value = 20;
constexpr std::uint8_t kFixed10Value = 10;

constexpr std::size_t ChannelRecords = 16;     // channel n at 16 + 10 * (n - 1)
constexpr std::size_t ChannelRecordSize = 10;
constexpr std::size_t MaxChannels = 16;
constexpr std::size_t RxRasterFlags = 176;     // channel n at 175 + n
constexpr std::size_t TxRasterFlags = 192;     // channel n at 191 + n
constexpr std::size_t UserTplWords = 208;      // TPL1..3 Rx at 208/210/212, Tx at 214/216/218
constexpr std::size_t ScanSlots = 220;         // channel n at 219 + n
constexpr std::size_t PasswordLength = 236;
constexpr std::size_t ModelIndex = 237;
constexpr std::size_t RxToneRangeFlags = 238;
constexpr std::size_t ToneRangeFlags = 239;
constexpr std::size_t ButtonCodeS1 = 240;
constexpr std::size_t ButtonCodeL1 = 241;
constexpr std::size_t ButtonCodeS2 = 242;
constexpr std::size_t ButtonCodeL2 = 243;
constexpr std::size_t ScanMask = 244;          // 16-bit word, bit n - 1 = channel n
constexpr std::size_t UserTplParams = 256;     // three 19-byte blocks
constexpr std::size_t UserTplParamBlockSize = 19;
constexpr std::size_t UserTplRxCounts = 313;   // three 16-bit words
constexpr std::size_t SubBandIndexes = 320;    // channel n at 319 + n
constexpr std::size_t SerialNumber = 336;
constexpr std::size_t SerialNumberSize = 10;
constexpr std::size_t CodeplugVersion = 346;   // 4 bytes
constexpr std::size_t FirmwareVersion = 350;   // 4 bytes
constexpr std::size_t SuperNumber = 354;
constexpr std::size_t SuperNumberSize = 16;
constexpr std::size_t SuperNumberVariant = 362; // ninth character: 'A' or 'B'
constexpr std::size_t Password = 370;
constexpr std::size_t PasswordSize = 8;
constexpr std::size_t SerialWriteEnable = 378;
constexpr std::size_t PasswordLengthCopy = 379;

// The feature enables in OptionFlags: the bits a check box writes and the bit
// it is read back from. Battery Save writes bits 5 and 6 together and reads
// bit 6; bit 4 is never changed.
namespace optionbit {
struct Field {
    unsigned mask;
    unsigned readBit;
};
constexpr Field QuickKey{0x01, 0};
constexpr Field PriorityScan{0x02, 1};
constexpr Field Tot{0x04, 2};
constexpr Field NormalScan{0x08, 3};
constexpr Field BatterySave{0x60, 6};
constexpr Field TalkbackScan{0x80, 7};
}  // namespace optionbit

// Fields inside a channel record (offsets from the record's first byte).
constexpr std::size_t RecRxFreqCode = 0;       // 24-bit little-endian, byte 2 >= 252: none
constexpr std::size_t RecTxFreqCode = 3;       // 24-bit little-endian, byte 5 >= 252: none
constexpr std::size_t RecRxSignal = 6;
constexpr std::size_t RecTxSignal = 7;
constexpr std::size_t RecChannelFlagsA = 8;
constexpr std::size_t RecChannelFlagsB = 9;

constexpr std::size_t UserTplTxWords = 214;    // TPL1..3 Tx words

constexpr std::size_t channelRecord(int n) { return ChannelRecords + ChannelRecordSize * (n - 1); }
constexpr std::size_t rxRasterFlag(int n) { return RxRasterFlags + (n - 1); }
constexpr std::size_t txRasterFlag(int n) { return TxRasterFlags + (n - 1); }
constexpr std::size_t scanSlot(int n) { return ScanSlots + (n - 1); }
constexpr std::size_t subBandIndex(int n) { return SubBandIndexes + (n - 1); }
// User-defined TPL tone i = 0, 1, 2 (TPL1..TPL3).
constexpr std::size_t userTplRxWord(int i) { return UserTplWords + 2 * i; }
constexpr std::size_t userTplTxWord(int i) { return UserTplTxWords + 2 * i; }
constexpr std::size_t userTplParamBlock(int i) { return UserTplParams + UserTplParamBlockSize * i; }
constexpr std::size_t userTplRxCount(int i) { return UserTplRxCounts + 2 * i; }

}  // namespace vantrel::bytemap
