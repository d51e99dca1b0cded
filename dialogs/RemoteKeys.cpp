#include "dialogs/RemoteKeys.h"

#include <array>

namespace lenvari {
namespace {

using enum RemoteImage;

constexpr std::array kVirtualRemoteKeys = {
    VirtualRemoteKey{1487, "Image Gallery", OvalKey, 30, 50, 49, 20, "i"},
    VirtualRemoteKey{1488, "Video", OvalKey, 96, 50, 49, 20, "v"},
    VirtualRemoteKey{1489, "Preset Gallery", OvalKey, 160, 50, 49, 20, "y"},
    VirtualRemoteKey{1490, "Size +", RockerUpper, 32, 89, 48, 37, "+"},
    VirtualRemoteKey{1491, "Preset +", RockerUpper, 160, 89, 48, 37, "\r"},
    VirtualRemoteKey{1492, "Random", OvalKey, 95, 90, 49, 20, "r"},
    VirtualRemoteKey{1493, "Pseudo Random", OvalKey, 96, 131, 49, 20, " "},
    VirtualRemoteKey{1494, "M1", MemoryKey, 25, 510, 35, 18, "m1"},
    VirtualRemoteKey{1495, "M2", MemoryKey, 76, 510, 35, 18, "m2"},
    VirtualRemoteKey{1496, "M3", MemoryKey, 128, 510, 35, 18, "m3"},
    VirtualRemoteKey{1497, "M4", MemoryKey, 180, 510, 35, 18, "m4"},
    VirtualRemoteKey{1498, "M8", MemoryKey, 180, 548, 35, 18, "m8"},
    VirtualRemoteKey{1499, "M7", MemoryKey, 128, 548, 35, 18, "m7"},
    VirtualRemoteKey{1500, "M6", MemoryKey, 76, 548, 35, 18, "m6"},
    VirtualRemoteKey{1501, "M5", MemoryKey, 25, 548, 35, 18, "m5"},
    VirtualRemoteKey{1502, "M9", MemoryKey, 24, 587, 35, 18, "m9"},
    VirtualRemoteKey{1503, "M10", MemoryKey, 76, 587, 35, 18, "m10"},
    VirtualRemoteKey{1504, "M11", MemoryKey, 128, 587, 35, 18, "m11"},
    VirtualRemoteKey{1505, "M12", MemoryKey, 180, 587, 35, 18, "m12"},
    VirtualRemoteKey{1506, "W4D", RoundKey, 24, 185, 38, 37, "w"},
    VirtualRemoteKey{1507, "Clock", RoundKey, 75, 185, 38, 37, "a"},
    VirtualRemoteKey{1508, "JCC", RoundKey, 127, 185, 38, 37, "j"},
    VirtualRemoteKey{1509, "Disparity", RoundKey, 176, 185, 38, 37, "d"},
    VirtualRemoteKey{1510, "Tumb E/C", RoundKey, 23, 240, 38, 37, "e"},
    VirtualRemoteKey{1511, "HOTV", RoundKey, 75, 240, 38, 37, "h"},
    VirtualRemoteKey{1512, "Pictures", RoundKey, 127, 240, 38, 37, "p"},
    VirtualRemoteKey{1513, "Letter Set", RoundKey, 179, 240, 38, 37, "l"},
    VirtualRemoteKey{1514, "R/G", RoundKey, 23, 293, 38, 37, "b"},
    VirtualRemoteKey{1515, "Gradient", RoundKey, 75, 294, 38, 37, "g"},
    VirtualRemoteKey{1516, "Mask", RoundKey, 127, 294, 38, 37, "m"},
    VirtualRemoteKey{1517, "Pointer", RoundKey, 179, 294, 38, 37, "u"},
    VirtualRemoteKey{1518, "Strong", RoundKey, 23, 347, 38, 37, "*"},
    VirtualRemoteKey{1519, "Blank", RoundKey, 74, 348, 38, 37, "z"},
    VirtualRemoteKey{1520, "Row", RoundKey, 178, 347, 38, 37, "="},
    VirtualRemoteKey{1521, "Center", RoundKey, 126, 401, 38, 37, "."},
    VirtualRemoteKey{1522, "Contrast +", RoundKey, 23, 401, 38, 35, "]"},
    VirtualRemoteKey{1523, "Contrast -", RoundKey, 24, 456, 38, 37, "["},
    VirtualRemoteKey{1524, "Column", RoundKey, 75, 455, 38, 37, "/"},
    VirtualRemoteKey{1525, "Full Open", RoundKey, 178, 455, 38, 37, "|"},
    VirtualRemoteKey{1526, "Up", UpKey, 127, 347, 37, 39, "!"},
    VirtualRemoteKey{1527, "Left", LeftKey, 76, 402, 37, 36, "#"},
    VirtualRemoteKey{1528, "Right", RightKey, 178, 402, 37, 36, "$"},
    VirtualRemoteKey{1529, "Down", DownKey, 127, 455, 37, 38, "@"},
    VirtualRemoteKey{1531, "Size -", RockerLower, 32, 127, 47, 38, "-"},
    VirtualRemoteKey{1532, "Preset -", RockerLower, 160, 127, 48, 37, "'"},
};

constexpr std::array kRemoteHelpKeys = {
    RemoteHelpKey{1353, "Image Gallery", OvalKey, 30, 50, 49, 20, "Image Gallery"},
    RemoteHelpKey{1354, "Video", OvalKey, 96, 50, 49, 20, "Video"},
    RemoteHelpKey{1355, "Preset Gallery", OvalKey, 160, 50, 49, 20, "Preset Gallery"},
    RemoteHelpKey{1388, "Size", RockerWhole, 32, 89, 48, 76, "Size"},
    RemoteHelpKey{1389, "Preset", RockerWhole, 160, 89, 48, 76, "Preset"},
    RemoteHelpKey{1390, "Random", OvalKey, 95, 90, 49, 20, "Random"},
    RemoteHelpKey{1391, "Pseudo Random", OvalKey, 96, 131, 49, 20, "Pseudo Random"},
    RemoteHelpKey{1393, "M1", MemoryKey, 25, 510, 35, 18, "M1 - M12"},
    RemoteHelpKey{1394, "M2", MemoryKey, 76, 510, 35, 18, "M1 - M12"},
    RemoteHelpKey{1395, "M3", MemoryKey, 128, 510, 35, 18, "M1 - M12"},
    RemoteHelpKey{1396, "M4", MemoryKey, 180, 510, 35, 18, "M1 - M12"},
    RemoteHelpKey{1397, "M5", MemoryKey, 25, 548, 35, 18, "M1 - M12"},
    RemoteHelpKey{1398, "M6", MemoryKey, 76, 548, 35, 18, "M1 - M12"},
    RemoteHelpKey{1399, "M7", MemoryKey, 128, 548, 35, 18, "M1 - M12"},
    RemoteHelpKey{1400, "M8", MemoryKey, 180, 548, 35, 18, "M1 - M12"},
    RemoteHelpKey{1401, "M9", MemoryKey, 24, 587, 35, 18, "M1 - M12"},
    RemoteHelpKey{1402, "M10", MemoryKey, 76, 587, 35, 18, "M1 - M12"},
    RemoteHelpKey{1403, "M11", MemoryKey, 128, 587, 35, 18, "M1 - M12"},
    RemoteHelpKey{1404, "M12", MemoryKey, 180, 587, 35, 18, "M1 - M12"},
    RemoteHelpKey{1405, "W4D", RoundKey, 24, 185, 38, 37, "W4D"},
    RemoteHelpKey{1407, "Clock", RoundKey, 75, 185, 38, 37, "Clock"},
    RemoteHelpKey{1408, "JCC", RoundKey, 127, 185, 38, 37, "JCC"},
    RemoteHelpKey{1409, "Disparity", RoundKey, 176, 185, 38, 37, "Disparity"},
    RemoteHelpKey{1410, "Tumb E/C", RoundKey, 23, 240, 38, 37, "Tumb E/C"},
    RemoteHelpKey{1411, "HOTV", RoundKey, 75, 240, 38, 37, "HOTV"},
    RemoteHelpKey{1412, "Pictures", RoundKey, 127, 240, 38, 37, "Pictures"},
    RemoteHelpKey{1413, "Letter Set", RoundKey, 179, 240, 38, 37, "Letter Set"},
    RemoteHelpKey{1414, "R/G", RoundKey, 23, 293, 38, 37, "R/G"},
    RemoteHelpKey{1415, "Gradient", RoundKey, 75, 294, 38, 37, "Gradient"},
    RemoteHelpKey{1416, "Mask", RoundKey, 127, 294, 38, 37, "Mask"},
    RemoteHelpKey{1417, "Pointer", RoundKey, 179, 294, 38, 37, "Pointer"},
    RemoteHelpKey{1418, "Strong", RoundKey, 23, 347, 38, 37, "Strong"},
    RemoteHelpKey{1419, "Blank", RoundKey, 74, 348, 38, 37, "Blank"},
    RemoteHelpKey{1420, "Row", RoundKey, 178, 347, 38, 37, "_ (Row)"},
    RemoteHelpKey{1421, "Center", RoundKey, 126, 401, 38, 37, "Center"},
    RemoteHelpKey{1422, "Contrast +", RoundKey, 23, 401, 38, 35, "Contrast"},
    RemoteHelpKey{1423, "Contrast -", RoundKey, 24, 456, 38, 37, "Contrast"},
    RemoteHelpKey{1424, "Column", RoundKey, 75, 455, 38, 37, "| (Column)"},
    RemoteHelpKey{1425, "Full Open", RoundKey, 178, 455, 38, 37, "Full Open"},
    RemoteHelpKey{1426, "Up", UpKey, 127, 347, 37, 39, "Arrows"},
    RemoteHelpKey{1427, "Left", LeftKey, 76, 402, 37, 36, "Arrows"},
    RemoteHelpKey{1428, "Right", RightKey, 178, 402, 37, 36, "Arrows"},
    RemoteHelpKey{1429, "Down", DownKey, 127, 455, 37, 38, "Arrows"},
};

}  // namespace

std::span<const VirtualRemoteKey> VirtualRemoteKeys() { return kVirtualRemoteKeys; }

std::span<const RemoteHelpKey> RemoteHelpKeys() { return kRemoteHelpKeys; }

}  // namespace lenvari
