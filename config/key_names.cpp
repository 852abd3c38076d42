// The constant table of key names, built once at compile time: runs of
// codes whose names follow a pattern (digits, letters, the numeric pad and
// the function keys) are generated, the rest are listed by code.
#include "config/key_names.h"

#include "config/texts.h"

namespace qv {
namespace {

struct NamedCode {
  std::uint8_t code;
  const char* name;
};

// Codes whose names are not generated, in code order.
constexpr NamedCode kListedNames[] = {
    {0x01, "LBUTTON"},  {0x02, "RBUTTON"},   {0x03, "CANCEL"},
    {0x04, "MBUTTON"},  {0x08, "BACK"},      {0x09, "TAB"},
    {0x0C, "CLEAR"},    {0x0D, "RETURN"},    {0x10, "SHIFT"},
    {0x11, "CONTROL"},  {0x12, "ALT"},       {0x13, "PAUSE"},
    {0x14, "CAPITAL"},  {0x1B, "ESCAPE"},    {0x1C, kKeyConvertText},
    {0x1D, kKeyNonConvertText},              {0x20, "SPACE"},
    {0x21, "PRIOR"},    {0x22, "NEXT"},      {0x23, "END"},
    {0x24, "HOME"},     {0x25, "LEFT"},      {0x26, "UP"},
    {0x27, "RIGHT"},    {0x28, "DOWN"},      {0x29, "SELECT"},
    {0x2A, "PRINT"},    {0x2B, "EXECUTE"},   {0x2C, "SNAPSHOT"},
    {0x2D, "INSERT"},   {0x2E, "DELETE"},    {0x2F, "HELP"},
    {0x5B, "LWIN"},     {0x5C, "RWIN"},      {0x5D, "APPS"},
    {0x6A, "MULTIPLY"}, {0x6B, "ADD"},       {0x6C, "SEPARATOR"},
    {0x6D, "SUBTRACT"}, {0x6E, "DECIMAL"},   {0x6F, "DIVIDE"},
    {0x90, "NUMLOCK"},  {0x91, "SCROLL"},    {0xA0, "LSHIFT"},
    {0xA1, "RSHIFT"},   {0xA2, "LCONTROL"},  {0xA3, "RCONTROL"},
    {0xA4, "LMENU"},    {0xA5, "RMENU"},     {0xBA, ":"},
    {0xBB, ";"},        {0xBC, ","},         {0xBD, "-"},
    {0xBE, "."},        {0xBF, "/"},         {0xC0, "@"},
    {0xDB, "["},        {0xDC, "\\"},        {0xDD, "]"},
    {0xDE, "^"},        {0xE2, kKeyRoText},  {0xE5, "PROCESSKEY"},
    {0xF0, kKeyAlphanumericText},            {0xF2, kKeyHiraganaText},
    {0xF3, kKeyHalfFullWidthText},           {0xF6, "ATTN"},
    {0xF7, "CRSEL"},    {0xF8, "EXSEL"},     {0xF9, "EREOF"},
    {0xFA, "PLAY"},     {0xFB, "ZOOM"},      {0xFC, "NONAME"},
    {0xFD, "PA1"},      {0xFE, "OEM_CLEAR"},
};

struct Slot {
  char text[kKeyNameSlot] = {};
};

struct Table {
  Slot slots[256] = {};
};

constexpr void Put(Table& table, int code, const char* name) {
  for (int i = 0; name[i] != '\0' && i < kKeyNameSlot - 1; ++i) table.slots[code].text[i] = name[i];
}

// Appends the decimal digits of `number` (0..99) at `at`.
constexpr void PutNumber(Slot& slot, int at, int number) {
  if (number >= 10) slot.text[at++] = static_cast<char>('0' + number / 10);
  slot.text[at] = static_cast<char>('0' + number % 10);
}

constexpr Table MakeTable() {
  Table table;
  for (const NamedCode& entry : kListedNames) Put(table, entry.code, entry.name);
  for (int n = 0; n < 10; ++n) table.slots[0x30 + n].text[0] = static_cast<char>('0' + n);
  for (int n = 0; n < 26; ++n) table.slots[0x41 + n].text[0] = static_cast<char>('A' + n);
  for (int n = 0; n < 10; ++n) {
    Put(table, 0x60 + n, "NUMPAD");
    PutNumber(table.slots[0x60 + n], 6, n);
  }
  for (int n = 0; n < 24; ++n) {
    table.slots[0x70 + n].text[0] = 'F';
    PutNumber(table.slots[0x70 + n], 1, n + 1);
  }
  return table;
}

constexpr Table kKeyNameTable = MakeTable();

}  // namespace

const char* KeyName(std::uint8_t code) { return kKeyNameTable.slots[code].text; }

}  // namespace qv
