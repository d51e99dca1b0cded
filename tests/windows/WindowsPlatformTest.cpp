// The Windows paths of the platform core and the data folder, run under Wine: the shared data
// folder and its rights, durable saves, the folder lock, the monitors' EDID, the remote's
// pre-rendered pictures and opening a video with the file's own program.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <windows.h>
#include <aclapi.h>

#include <filesystem>

#include "dialogs/RemoteArtwork.h"
#include "platform/FileAccess.h"
#include "platform/FolderLock.h"
#include "platform/FolderRights.h"
#include "platform/Sound.h"
#include "platform/qtgui/MonitorEdid.h"
#include "platform/qt/VideoPlayer.h"
#include "store/DataFolder.h"
#include "support/ProgramRun.h"

namespace lenvari {
namespace fs = std::filesystem;
namespace {

// The access mask and inheritance of the Users group's allowing entry in a folder's DACL.
struct UsersEntry {
  ACCESS_MASK mask = 0;
  BYTE flags = 0;
};
UsersEntry UsersEntryOf(const std::string& folder) {
  UsersEntry entry;
  BYTE users[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof users;
  ::CreateWellKnownSid(WinBuiltinUsersSid, nullptr, users, &size);
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(fs::path(folder).wstring().c_str(), SE_FILE_OBJECT,
                              DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl, nullptr,
                              &descriptor) != ERROR_SUCCESS)
    return entry;
  for (DWORD i = 0; dacl && i < dacl->AceCount; ++i) {
    ACCESS_ALLOWED_ACE* ace = nullptr;
    if (!::GetAce(dacl, i, reinterpret_cast<void**>(&ace)) ||
        ace->Header.AceType != ACCESS_ALLOWED_ACE_TYPE)
      continue;
    if (::EqualSid(&ace->SidStart, users))
      entry.mask |= ace->Mask, entry.flags |= ace->Header.AceFlags;
  }
  ::LocalFree(descriptor);
  return entry;
}

bool RunsUnderWine() {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Wine", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  ::RegCloseKey(key);
  return true;
}

std::string Edid(const std::string& maker, int widthMm, int heightMm, int widthCm,
                 int heightCm, std::uint32_t serial, const std::string& name,
                 const std::string& serialText) {
  std::string b(128, '\0');
  const std::string header("\x00\xFF\xFF\xFF\xFF\xFF\xFF\x00", 8);
  b.replace(0, 8, header);
  const unsigned id = (maker[0] - 'A' + 1) << 10 | (maker[1] - 'A' + 1) << 5 | (maker[2] - 'A' + 1);
  b[8] = static_cast<char>(id >> 8), b[9] = static_cast<char>(id & 0xFF);
  for (int i = 0; i < 4; ++i) b[12 + i] = static_cast<char>(serial >> (8 * i));
  b[21] = static_cast<char>(widthCm), b[22] = static_cast<char>(heightCm);
  if (widthMm > 0) {  // a detailed timing with a pixel clock and the image size in mm
    b[54] = 0x01, b[55] = 0x1D;
    b[54 + 12] = static_cast<char>(widthMm & 0xFF);
    b[54 + 13] = static_cast<char>(heightMm & 0xFF);
    b[54 + 14] = static_cast<char>((widthMm >> 8) << 4 | (heightMm >> 8));
  }
  const auto descriptor = [&b](size_t at, unsigned char tag, const std::string& text) {
    b[at + 3] = static_cast<char>(tag);
    std::string field = text.substr(0, 13);
    if (field.size() < 13) field += '\n';
    field.resize(13, ' ');
    b.replace(at + 5, 13, field);
  };
  if (!name.empty()) descriptor(72, 0xFC, name);
  if (!serialText.empty()) descriptor(90, 0xFF, serialText);
  return b;
}

}  // namespace

TEST(WindowsDataFolder, ProgramDataFolderIsMadeWritableForEveryUser) {
  const std::string programData = FreshFolder("ProgramData");
  ASSERT_TRUE(::SetEnvironmentVariableW(L"ProgramData", fs::path(programData).wstring().c_str()));
  _wputenv_s(L"ProgramData", fs::path(programData).wstring().c_str());
  const std::string folder = GetDataFolder("Lenvari", "LenvariAcuity4", "");
  std::string reason;
  EXPECT_TRUE(ShareFolderWithAllUsers(folder, &reason)) << reason;
  EXPECT_EQ(fs::path(folder), fs::path(programData) / "Lenvari" / "LenvariAcuity4");
  ASSERT_TRUE(fs::is_directory(folder));
  if (RunsUnderWine()) GTEST_SKIP() << "Wine keeps no rights on files: a Windows PC shows them";
  const UsersEntry product = UsersEntryOf((fs::path(programData) / "Lenvari").string());
  const ACCESS_MASK modify = FILE_GENERIC_READ | FILE_GENERIC_WRITE | FILE_GENERIC_EXECUTE | DELETE;
  EXPECT_EQ(product.mask & modify, modify) << std::hex << product.mask;
  EXPECT_EQ(product.flags & (OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE),
            OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE);
  EXPECT_EQ(UsersEntryOf(folder).mask & modify, modify);
}

TEST(WindowsFiles, SavesReplaceWholeFilesAndNeverWhatIsNotAFile) {
  const fs::path folder = FreshFolder("saves");
  const std::string file = (folder / "globalconfig.cfg").string();
  struct Case { std::string bytes; };
  for (const std::string bytes : {std::string("first\r\n"), std::string(200000, 'x'), std::string("")}) {
    std::string reason;
    EXPECT_TRUE(WriteFileAtomically(file, bytes, &reason)) << reason;
    EXPECT_EQ(ReadDataFile(file).bytes, bytes);
  }
  // Another writer's finished temporary file takes the name.
  const std::string temporary = TemporaryNameFor(file);
  ASSERT_TRUE(WriteFileAtomically(temporary, "from the archive writer"));
  EXPECT_TRUE(ReplaceWithFlushed(temporary, file));
  EXPECT_EQ(ReadDataFile(file).bytes, "from the archive writer");

  fs::create_directory(folder / "presets.cfg");
  std::string reason;
  EXPECT_FALSE(WriteFileAtomically((folder / "presets.cfg").string(), "x", &reason));
  EXPECT_EQ(reason, "it is a folder");
  EXPECT_EQ(ReadDataFile((folder / "presets.cfg").string()).status, FileRead::Status::Unreadable);
  EXPECT_EQ(ReadDataFile((folder / "missing.cfg").string()).status, FileRead::Status::Missing);
  for (const auto& entry : fs::directory_iterator(folder))
    EXPECT_FALSE(IsTemporaryName(entry.path().filename().string())) << entry.path();
}

TEST(WindowsFiles, TheFolderLockKeepsASecondHolderOutUntilReleased) {
  const std::string folder = FreshFolder("lock");
  std::string reason;
  auto first = FolderLock::Take(folder, reason);
  ASSERT_TRUE(first) << reason;
  EXPECT_FALSE(FolderLock::Take(folder, reason));
  EXPECT_EQ(reason, "in use");
  first.reset();
  EXPECT_TRUE(FolderLock::Take(folder, reason)) << reason;
}

TEST(WindowsDisplays, MonitorIdentityComesFromTheEdid) {
  struct Case {
    std::string edid;
    DisplayIdentity expected;
  };
  const Case cases[] = {
      {Edid("LVA", 531, 299, 53, 30, 0, "Chart 24", "SN0042"), {"LVA", "Chart 24", "SN0042", 531, 299}},
      // No timing: whole centimetres; no serial text: the number.
      {Edid("DEL", 0, 0, 60, 34, 123456, "", ""), {"DEL", "", "123456", 600, 340}},
      // Wide sizes use the high nibbles.
      {Edid("SAM", 1872, 1053, 0, 0, 0, "Very long monitor name", ""), {"SAM", "Very long mon", "", 1872, 1053}},
      {std::string(127, '\0'), {}},
      {std::string(128, 'x'), {}},
  };
  for (const Case& c : cases) {
    const DisplayIdentity got = IdentityFromEdid(c.edid);
    EXPECT_EQ(got.manufacturer, c.expected.manufacturer);
    EXPECT_EQ(got.model, c.expected.model);
    EXPECT_EQ(got.serialNumber, c.expected.serialNumber);
    EXPECT_EQ(got.physicalWidthMm, c.expected.physicalWidthMm) << c.expected.model;
    EXPECT_EQ(got.physicalHeightMm, c.expected.physicalHeightMm) << c.expected.model;
  }
}

// The click goes to Windows as a WAVE file in memory: a header PlaySound accepts, the samples
// after it unchanged; playing it without an audio device neither hangs nor fails the program.
TEST(WindowsSound, TheClickIsAWaveFileOfItsSamples) {
  const std::vector<std::int16_t> samples = ClickSamples();
  const std::string wave = ClickWaveFile(samples);
  ASSERT_EQ(wave.size(), 44 + samples.size() * 2);
  const auto word = [&wave](std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(wave[at + i]);
    return value;
  };
  EXPECT_EQ(wave.substr(0, 4) + wave.substr(8, 8) + wave.substr(36, 4), "RIFFWAVEfmt data");
  EXPECT_EQ(word(4), wave.size() - 8);
  EXPECT_EQ(word(20), 0x00010001u);  // PCM, mono
  EXPECT_EQ(word(24), static_cast<std::uint32_t>(kClickSampleRate));
  EXPECT_EQ(word(32), 0x00100002u);  // 2 bytes per frame, 16 bits
  EXPECT_EQ(word(40), samples.size() * 2);
  EXPECT_EQ(static_cast<std::int16_t>(word(44 + 2 * 100) & 0xFFFF), samples[100]);
  {
    ClickSound sound;
    for (int i = 0; i < 5; ++i) sound.Play();
  }
}

TEST(WindowsRemoteArtwork, EachPictureComesAtThreeScalesAndTheSharpestFittingOneIsDrawn) {
  const QImage body(RemoteImagePath(RemoteImage::Body));
  ASSERT_EQ(body.size(), QSize(239, 660));
  for (const char* name : {"remote", "key-oval", "key-round", "rocker-whole"}) {
    const QImage one(QString(":/remote/%1.png").arg(name));
    ASSERT_FALSE(one.isNull()) << name;
    EXPECT_EQ(QImage(QString(":/remote/%1@1.5x.png").arg(name)).width(), qRound(one.width() * 1.5));
    EXPECT_EQ(QImage(QString(":/remote/%1@2x.png").arg(name)).size(), one.size() * 2) << name;
  }
  // On a display scaled 200% the key is drawn from the 2x picture, pixel for pixel.
  const QImage sharp(":/remote/key-round@2x.png");
  QImage drawn(sharp.size(), QImage::Format_ARGB32_Premultiplied);
  drawn.setDevicePixelRatio(2);
  drawn.fill(Qt::transparent);
  QPainter painter(&drawn);
  PaintRemoteImage(painter, RemoteImage::RoundKey, QRectF(0, 0, 38, 37));
  painter.end();
  drawn.setDevicePixelRatio(1);
  EXPECT_EQ(drawn.convertToFormat(QImage::Format_ARGB32),
            sharp.convertToFormat(QImage::Format_ARGB32));
}

TEST(WindowsVideo, AFileWithoutAProgramIsToldAndNothingStarted) {
  const std::string video = (fs::path(FreshFolder("video")) / "clip.lenvari-unknown").string();
  ASSERT_TRUE(WriteFileAtomically(video, "not a video"));
  VideoScreen screen;
  std::string error;
  EXPECT_FALSE(screen.Play(video, 0, 0, 640, 480, nullptr, error));
  EXPECT_NE(error.find("Windows"), std::string::npos) << error;
  screen.Stop();
}

}  // namespace lenvari
