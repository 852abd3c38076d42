// The framework's property sheet on the system's own sheet, driven by
// messages from a helper thread: a refused number keeps its page (with the
// range message, during which a key reaches the application's filter once,
// through the hook of the message box's loop), OK reaches the shown page
// only, and a wizard moves on with Next and ends with Finish as its own
// result. Pictures of the sheet and of the wizard's second page go to the
// artefacts.
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "framework/data_exchange.h"
#include "framework/messages.h"
#include "framework/property_sheet.h"
#include "framework/win32/win32_window_host.h"
#include "framework/win_app.h"
#include "platform/win32/win32_platform.h"
#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"

#include <commctrl.h>

namespace {

constexpr WPARAM kFilteredKey = 'Q';

// The pages and fields of e2e_sheet_test.rc.
constexpr std::uint32_t kNumberPage = 601;
constexpr std::uint32_t kNamePage = 602;
constexpr int kNumberField = 1001;
constexpr int kNameField = 1003;
// The static text control of a message box has this id.
constexpr int kMessageBoxTextId = 0xFFFF;

class FilterApp final : public qv::CWinApp {
 public:
  using CWinApp::CWinApp;
  std::atomic<int> filteredKeys{0};

 protected:
  bool PreTranslateAppMessage(qv::Msg& msg) override {
    if (msg.message != WM_KEYDOWN || msg.wParam != kFilteredKey) return false;
    ++filteredKeys;
    return true;
  }
};

class Page final : public qv::CPropertyPage {
 public:
  Page(qv::WindowHost& host, std::uint32_t templateId) : CPropertyPage(host, templateId) {}
  std::int32_t number = 5;
  char name[64] = "pad";
  std::uint32_t wizardButtons = 0;
  int okCalls = 0;

  void OnOK() override { ++okCalls; }
  bool OnSetActive() override {
    if (wizardButtons != 0) GetSheet()->SetWizardButtons(wizardButtons);
    return CPropertyPage::OnSetActive();
  }

 protected:
  void DoDataExchange(qv::CDataExchange& dx) override {
    if (templateId() == kNumberPage) {
      qv::DDX_Text(dx, kNumberField, number);
      qv::DDV_MinMaxInt(dx, number, 1, 9);
    } else {
      qv::DDX_Text(dx, kNameField, name);
    }
  }
};

void Picture(HWND window, const char* name) {
  RECT area{};
  ::GetWindowRect(window, &area);
  CHECK(qv::e2e::SaveBmp(qv::e2e::CaptureScreen(area), qv::e2e::ArtifactFile(name)));
}

struct Rig {
  qv::Win32Platform win32;
  qv::Win32WindowHost host{win32.platform()};
  FilterApp app{host, "SheetTest"};
};

TEST_CASE(a_refused_number_keeps_its_page_and_ok_reaches_the_shown_page_only) {
  Rig rig;
  Page numbers(rig.host, kNumberPage);
  Page names(rig.host, kNamePage);
  qv::CPropertySheet sheet(rig.host, "シートの試験");
  sheet.m_psh.dwFlags |= qv::kPshNoApplyNow;
  sheet.AddPage(&numbers);
  sheet.AddPage(&names);
  std::atomic<bool> stayed{false}, boxSeen{false}, keyTakenOnce{false};
  std::thread user([&] {
    HWND window = qv::e2e::WaitForTopLevel(L"シートの試験");
    if (!window) return;
    HWND first = qv::e2e::CurrentSheetPage(window);
    ::SetDlgItemTextW(first, kNumberField, L"000000000000000000000000000000000000000000000000000000000000000000012");
    ::PostMessageW(window, PSM_SETCURSEL, 1, 0);
    HWND box = qv::e2e::WaitForTopLevel(L"SheetTest");
    boxSeen = box != nullptr;
    if (box) {
      wchar_t text[80] = {};
      ::GetDlgItemTextW(box, kMessageBoxTextId, text, 80);
      boxSeen = std::wstring(text) == L"1 から 9 までの整数を入力してください。";
      ::PostMessageW(::GetDlgItem(box, IDOK), WM_KEYDOWN, kFilteredKey, 1);
      qv::e2e::WaitUntil([&] { return rig.app.filteredKeys.load() > 0; }, 5000);
      ::Sleep(200);
      keyTakenOnce = rig.app.filteredKeys.load() == 1;
      ::PostMessageW(box, WM_COMMAND, IDOK, 0);
      qv::e2e::WaitUntil([&] { return !::IsWindow(box); }, 5000);
    }
    stayed = qv::e2e::CurrentSheetPage(window) == first;
    ::SetDlgItemTextW(first, kNumberField, L" 7 ");
    Picture(window, "sheet_page.bmp");
    ::PostMessageW(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
  });
  const std::intptr_t result = sheet.DoModal();
  user.join();
  CHECK_EQ(result, qv::kIdOk);
  CHECK(boxSeen.load());
  CHECK(keyTakenOnce.load());
  CHECK(stayed.load());
  CHECK_EQ(numbers.number, 7);
  CHECK_EQ(numbers.okCalls, 1);
  CHECK_EQ(names.okCalls, 0);
  CHECK(!names.WasShown());
}

TEST_CASE(a_wizard_goes_on_with_next_and_ends_with_finish) {
  Rig rig;
  Page licence(rig.host, kNumberPage);
  Page folder(rig.host, kNamePage);
  licence.wizardButtons = qv::kPswizbNext;
  folder.wizardButtons = qv::kPswizbBack | qv::kPswizbFinish;
  qv::CPropertySheet sheet(rig.host);
  sheet.SetWizardMode();
  sheet.AddPage(&licence);
  sheet.AddPage(&folder);
  std::atomic<bool> moved{false};
  std::thread user([&] {
    HWND window = qv::e2e::WaitForTopLevel(L"数値");
    if (!window) return;
    HWND first = qv::e2e::CurrentSheetPage(window);
    ::PostMessageW(window, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    qv::e2e::WaitUntil([&] { return qv::e2e::CurrentSheetPage(window) != first; }, 5000);
    HWND second = qv::e2e::CurrentSheetPage(window);
    moved = second != nullptr && second != first;
    ::SetDlgItemTextW(second, kNameField, L"D:\\Tools");
    Picture(window, "wizard_second_page.bmp");
    ::PostMessageW(window, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
  });
  const std::intptr_t result = sheet.DoModal();
  user.join();
  CHECK(moved.load());
  CHECK_EQ(result, qv::kIdWizFinish);
  CHECK_EQ(std::string(folder.name), std::string("D:\\Tools"));
}

// The first page is made and activated inside the system's PropertySheetW,
// before the host hands the sheet its window: the buttons it asks for then
// must still arrive.
TEST_CASE(the_buttons_a_wizard_page_asks_for_on_its_first_activation_are_shown) {
  Rig rig;
  Page only(rig.host, kNumberPage);
  only.wizardButtons = qv::kPswizbBack | qv::kPswizbFinish;
  qv::CPropertySheet sheet(rig.host);
  sheet.SetWizardMode();
  sheet.AddPage(&only);
  std::atomic<bool> finishShown{false}, nextHidden{false};
  std::thread user([&] {
    HWND window = qv::e2e::WaitForTopLevel(L"数値");
    if (!window) return;
    HWND finish = ::GetDlgItem(window, static_cast<int>(qv::kIdWizFinish));
    HWND next = ::GetDlgItem(window, static_cast<int>(qv::kIdWizNext));
    qv::e2e::WaitUntil([&] { return finish != nullptr && ::IsWindowVisible(finish); }, 3000);
    finishShown = finish != nullptr && ::IsWindowVisible(finish) && ::IsWindowEnabled(finish);
    nextHidden = next == nullptr || !::IsWindowVisible(next);
    ::PostMessageW(window, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
  });
  const std::intptr_t result = sheet.DoModal();
  user.join();
  CHECK(finishShown.load());
  CHECK(nextHidden.load());
  CHECK_EQ(result, qv::kIdWizFinish);
}

}  // namespace

RUN_TESTS()
