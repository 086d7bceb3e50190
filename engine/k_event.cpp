#include "engine/k_event.h"

#include <array>

namespace {

constexpr int kKeyTableSize = 256;

// Platform key code (Windows VK numbering) for every engine key code, in engine order.
constexpr std::array<int32_t, K_KEY_NONE> kVirtualKeyOfEngineKey = {
    0x25, 0x26, 0x28, 0x27,                          // 0-3 arrows: left, up, down, right
    0x20,                                            // 4 space
    0xA0, 0x10,                                      // 5 left shift, 6 shift
    0x0D,                                            // 7 return
    0xA2, 0x11,                                      // 8 left control, 9 control
    0x70, 0x71, 0x72, 0x73, 0x74, 0x75,              // 10-21 F1-F12
    0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B,
    0x08, 0x09, 0x1B,                                // 22 backspace, 23 tab, 24 escape
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I',     // 25-50 letters
    'J', 'K', 'L', 'M', 'N', 'O', 'P', 'Q', 'R',
    'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z',
    '0', '1', '2', '3', '4', '5', '6', '7', '8', '9',  // 51-60 digits
    0x60, 0x61, 0x62, 0x63, 0x64,                    // 61-70 numeric pad 0-9
    0x65, 0x66, 0x67, 0x68, 0x69,
    0x6A, 0x6B, 0x6D, 0x6E, 0x6F,                    // 71-75 pad * + - . /
    0x0C,                                            // 76 clear
    0x12,                                            // 77 alt
    0x5B, 0x5C,                                      // 78-79 left and right system key
    0x90, 0x91,                                      // 80 num lock, 81 scroll lock
    186, 187, 188, 189, 190, 191, 192,               // 82-88 ; = , - . / `
    219, 220, 221, 222,                              // 89-92 [ \ ] '
    0x23, 0x24, 0x2E, 0x2D,                          // 93 end, 94 home, 95 delete, 96 insert
    0x2C,                                            // 97 print screen
    0x21, 0x22,                                      // 98 page up, 99 page down
    0xA4, 0xA5,                                      // 100 left alt, 101 right alt
};

std::array<int32_t, kKeyTableSize> buildEngineKeyTable() {
    std::array<int32_t, kKeyTableSize> table{};
    table.fill(K_KEY_NONE);
    for (int32_t key = 0; key < K_KEY_NONE; ++key) table[kVirtualKeyOfEngineKey[key]] = key;
    table[0xA1] = K_KEY_LSHIFT;  // the right-hand variants share their left-hand entries
    table[0xA3] = 8;
    return table;
}

}  // namespace

int32_t engineKeyFromVirtualKey(int32_t virtualKey) {
    static const std::array<int32_t, kKeyTableSize> table = buildEngineKeyTable();
    if (virtualKey < 0 || virtualKey >= kKeyTableSize) return K_KEY_NONE;
    return table[virtualKey];
}

int32_t virtualKeyFromEngineKey(int32_t keyCode) {
    if (keyCode < 0 || keyCode >= K_KEY_NONE) return 0;
    return kVirtualKeyOfEngineKey[keyCode];
}
