// The Win32 side's own helpers: code page conversions, the handle owner, and
// the wiring of all ports into one platform.
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>

#include "platform/win32/code_page.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"
#include "tests/wine/check.h"

namespace {

TEST_CASE(program_text_converts_from_and_to_code_page_932) {
  CHECK(qv::ProgramToWide("お気に入り(&F)...") == L"お気に入り(&F)...");
  CHECK(qv::ProgramToWide("ﾊﾞｰｼﾞｮﾝ情報") == L"ﾊﾞｰｼﾞｮﾝ情報");  // half-width kana are single bytes
  CHECK(qv::FromWide(qv::kProgramCodePage, L"終了(&X)") == "終了(&X)");
  CHECK(qv::ProgramToWide("").empty());
  CHECK(qv::ProgramToWide(nullptr).empty());
  CHECK_EQ(qv::CodePageOf(qv::TextCode::Program), 932u);
  CHECK_EQ(qv::CodePageOf(qv::TextCode::System), static_cast<unsigned>(CP_ACP));
}

TEST_CASE(system_text_uses_the_ansi_code_page) {
  const char* ascii = "C:\\Program Files\\Quorvantix";
  CHECK(qv::SystemToWide(ascii) == L"C:\\Program Files\\Quorvantix");
  if (::GetACP() != 932) CHECK(qv::SystemToWide("終了") != L"終了");
}

TEST_CASE(conversions_into_buffers_never_split_a_character) {
  wchar_t wide[4];
  CHECK_EQ(qv::ToWide(qv::kProgramCodePage, "セットアップ", wide, 4), 3u);
  CHECK(std::wcscmp(wide, L"セット") == 0);
  CHECK_EQ(qv::ToWide(qv::kProgramCodePage, "ab", wide, 4), 2u);
  CHECK(std::wcscmp(wide, L"ab") == 0);
  CHECK_EQ(qv::ToWide(qv::kProgramCodePage, "abc", wide, 1), 0u);
  CHECK_EQ(wide[0], L'\0');

  char narrow[6];
  // "aセb": 1 + 2 + 1 bytes; 5 bytes of room take "aセ" and then "b".
  CHECK_EQ(qv::FromWide(qv::kProgramCodePage, L"aセb", narrow, sizeof(narrow)), 4u);
  CHECK(std::strcmp(narrow, "aセb") == 0);
  // "aセセ" needs 5 bytes; 4 of room hold "aセ" and the terminator is at 3.
  CHECK_EQ(qv::FromWide(qv::kProgramCodePage, L"aセセ", narrow, 4), 3u);
  CHECK(std::strcmp(narrow, "aセ") == 0);
  CHECK_EQ(qv::FromWide(qv::kProgramCodePage, L"セ", narrow, 2), 0u);
  CHECK_EQ(narrow[0], '\0');
  // A long text shrinks to the largest whole-character prefix.
  std::wstring many(100, L'セ');
  char small[10];
  CHECK_EQ(qv::FromWide(qv::kProgramCodePage, many.c_str(), small, sizeof(small)), 8u);
}

// Whatever the code page, a buffer takes whole characters while their UTF-16
// units fit: UTF-8 characters are up to four bytes and two units.
TEST_CASE(buffer_conversions_fit_whole_characters_on_every_code_page) {
  constexpr unsigned kWestern = 1252;  // a single-byte code page
  wchar_t wide[4];
  CHECK_EQ(qv::ToWide(CP_UTF8, u8"日本語", wide, 3), 2u);
  CHECK(std::wcscmp(wide, L"日本") == 0);
  CHECK_EQ(qv::ToWide(CP_UTF8, u8"a\U0001F600b", wide, 3), 1u);  // the pair does not fit
  CHECK(std::wcscmp(wide, L"a") == 0);
  CHECK_EQ(qv::ToWide(CP_UTF8, u8"a\U0001F600b", wide, 4), 3u);
  CHECK(std::wcscmp(wide, L"a\U0001F600") == 0);
  CHECK_EQ(qv::ToWide(kWestern, "caf\xE9s", wide, 4), 3u);
  CHECK(std::wcscmp(wide, L"caf") == 0);
  CHECK(qv::ToWide(CP_UTF8, u8"終了") == L"終了");

  // Names cut to a byte limit end on a character boundary of their code page.
  const char* utf8 = u8"a\u00E9\u65E5";  // 1 + 2 + 3 bytes
  CHECK_EQ(qv::MultiBytePrefixLength(CP_UTF8, utf8, 6, 5), 3u);
  CHECK_EQ(qv::MultiBytePrefixLength(CP_UTF8, utf8, 6, 6), 6u);
  CHECK_EQ(qv::MultiBytePrefixLength(qv::kProgramCodePage, "aセ", 3, 2), 1u);
  CHECK_EQ(qv::MultiBytePrefixLength(kWestern, "\xE9\xE9\xE9", 3, 2), 2u);
}

// A handle kind of our own, so closing can be counted.
int g_closed = 0;
int g_lastClosed = 0;
struct CountingTraits {
  using Handle = int;
  static Handle Invalid() noexcept { return -1; }
  static void Close(Handle h) noexcept {
    ++g_closed;
    g_lastClosed = h;
  }
};
using Counted = qv::UniqueHandle<CountingTraits>;

void Fill(int* out, int value) { *out = value; }

TEST_CASE(the_handle_owner_closes_exactly_once) {
  g_closed = 0;
  {
    Counted a(3);
    CHECK(a.valid());
    Counted b(std::move(a));
    CHECK(!a.valid());
    CHECK_EQ(b.get(), 3);
    Counted c(5);
    c = std::move(b);  // closes 5, takes 3
    CHECK_EQ(g_closed, 1);
    CHECK_EQ(g_lastClosed, 5);
    Fill(c.put(), 7);  // put() closes 3 first
    CHECK_EQ(g_closed, 2);
    CHECK_EQ(g_lastClosed, 3);
    CHECK_EQ(c.get(), 7);
    const int released = c.release();
    CHECK_EQ(released, 7);
    CHECK(!c);
    c.reset(9);
    c.reset(9);  // the same handle again is not closed
    CHECK_EQ(g_closed, 2);
  }
  CHECK_EQ(g_closed, 3);
  CHECK_EQ(g_lastClosed, 9);
  Counted empty;
  empty.reset();
  CHECK_EQ(g_closed, 3);
}

TEST_CASE(real_handles_are_closed_by_their_owner) {
  HANDLE raw = nullptr;
  {
    qv::KernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    CHECK(event.valid());
    raw = event.get();
    DWORD flags = 0;
    CHECK(::GetHandleInformation(raw, &flags));
  }
  DWORD flags = 0;
  CHECK(!::GetHandleInformation(raw, &flags));
  qv::FindHandle none(::FindFirstFileA("Z:\\qv-no-such-folder\\*.*", nullptr));
  CHECK(!none.valid());
}

class FakePad final : public qv::Joystick {
 public:
  qv::Status GetCaps(std::uint32_t, qv::JoyCaps& caps) override {
    caps.numButtons = 12;
    return qv::Status::Ok;
  }
  qv::Status GetPosEx(std::uint32_t, qv::JoyInfoEx&) override { return qv::Status::Ok; }
};

TEST_CASE(the_platform_hands_out_its_ports_or_the_given_pad) {
  qv::Win32Platform real;
  qv::JoyCaps caps;
  CHECK(real.platform().joystick.GetCaps(16, caps) == qv::Status::NotFound);
  CHECK(dynamic_cast<qv::Win32Joystick*>(&real.platform().joystick) != nullptr);

  FakePad pad;
  qv::Win32Platform scripted(&pad);
  CHECK(&scripted.platform().joystick == &pad);
  CHECK(scripted.platform().joystick.GetCaps(0, caps) == qv::Status::Ok);
  CHECK_EQ(caps.numButtons, 12u);
  CHECK(dynamic_cast<qv::Win32Registry*>(&scripted.platform().registry) != nullptr);
  CHECK(dynamic_cast<qv::Win32MultimediaTimer*>(&scripted.platform().timer) != nullptr);
}

}  // namespace

RUN_TESTS()
