// The window base: windows created from their arguments, found from their
// handles and by their names, destroyed by their objects unless their parent
// went first; notifications handed back to the control they come from; GDI
// objects owned once; every font made once.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/system_message_win.h"
#include "support/test_support.h"
#include "ui/controls/panel.h"
#include "ui/controls/picture_button.h"
#include "ui/form.h"
#include "ui/look/fonts.h"
#include "ui/look/gdi.h"

namespace demodisc {
namespace {

class Host final : public Form {
 public:
  Host() {
    CreateForm({L"TWindowTestHost"}, {.bounds = {0, 0, 300, 200},
                                      .text = "Host",
                                      .style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN});
  }
};

// A window whose handler keeps an object and then handles a message of its
// own inside itself.
class Keeper final : public Form {
 public:
  static constexpr UINT kKeep = WM_APP + 1;
  Keeper() { CreateForm({L"TWindowTestKeeper"}, {.bounds = {0, 0, 100, 100}}); }
  std::weak_ptr<int> kept;
  bool keptInside = false;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg != kKeep) return Form::HandleMessage(msg, wp, lp);
    auto object = std::make_shared<int>(1);
    kept = object;
    KeepWhileHandlingMessages(std::move(object));
    SendMessageW(hwnd(), WM_NULL, 0, 0);
    keptInside = !kept.expired();
    return 0;
  }
};

TEST(WindowBase, AnObjectKeptWhileHandlingMessagesGoesWhenTheOutermostHandlerReturns) {
  Keeper keeper;
  SendMessageW(keeper.hwnd(), Keeper::kKeep, 0, 0);
  EXPECT_TRUE(keeper.keptInside);
  EXPECT_TRUE(keeper.kept.expired());
}

TEST(WindowBase, CreatesAControlFromItsArguments) {
  Host host;
  Window label;
  const HFONT font = UiFont(Arial(12));
  const HWND hwnd = label.CreateControl(L"STATIC", {.parent = host.hwnd(),
                                                    .bounds = {5, 6, 70, 20},
                                                    .text = "Метка",
                                                    .font = font,
                                                    .style = WS_VISIBLE,
                                                    .exStyle = WS_EX_STATICEDGE,
                                                    .id = 42,
                                                    .name = "Label"});
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(label.hwnd(), hwnd);
  EXPECT_EQ(GetParent(hwnd), host.hwnd());
  EXPECT_EQ(BoundsInParent(hwnd), (Bounds{5, 6, 70, 20}));
  EXPECT_EQ(WindowTextUtf8(hwnd), "Метка");
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), font);
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD);
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_STATICEDGE);
  EXPECT_EQ(GetDlgCtrlID(hwnd), 42);
  EXPECT_EQ(label.name(), "Label");
}

// Frameless windows skip the default non-client painting: only those with
// nothing around their client area may.
TEST(WindowBase, OnlyAWindowWithoutFrameBorderOrScrollBarHasNoNonClientArea) {
  Host host;
  struct Case {
    DWORD style, exStyle;
    bool framed;
  };
  for (const Case c : {Case{0, 0, false}, Case{WS_BORDER, 0, true}, Case{0, WS_EX_CLIENTEDGE, true},
                       Case{0, WS_EX_STATICEDGE, true}, Case{WS_VSCROLL, 0, true},
                       Case{WS_HSCROLL, 0, true}, Case{WS_DLGFRAME, 0, true}}) {
    SCOPED_TRACE(::testing::Message() << std::hex << c.style << " " << c.exStyle);
    Window child;
    child.CreateControl(L"STATIC", {.parent = host.hwnd(),
                                    .bounds = {0, 0, 60, 40},
                                    .style = WS_VISIBLE | c.style,
                                    .exStyle = c.exStyle});
    EXPECT_EQ(HasNonClientArea(child.hwnd()), c.framed);
  }
  EXPECT_TRUE(HasNonClientArea(host.hwnd()));  // its caption
}

TEST(WindowBase, FindsTheObjectOfEveryWindowItCreatedAndOfNoOther) {
  Host host;
  Panel panel;
  panel.Create({.parent = host.hwnd(), .bounds = {0, 0, 100, 100}}, PanelLook{});
  Window edit;
  edit.CreateControl(L"EDIT", {.parent = panel.hwnd(), .style = WS_VISIBLE});
  EXPECT_EQ(Window::FromHwnd(host.hwnd()), &host);
  EXPECT_EQ(Window::FromHwnd(panel.hwnd()), &panel);
  EXPECT_EQ(Window::FromHwnd(edit.hwnd()), &edit);
  EXPECT_EQ(Window::FromHwnd(GetDesktopWindow()), nullptr);
  EXPECT_EQ(Window::FromHwnd(nullptr), nullptr);
}

TEST(WindowBase, AnObjectDestroysItsWindowUnlessItsParentWentFirst) {
  Host host;
  HWND edit = nullptr;
  {
    Window control;
    edit = control.CreateControl(L"EDIT", {.parent = host.hwnd(), .style = WS_VISIBLE});
    ASSERT_TRUE(IsWindow(edit));
  }
  EXPECT_FALSE(IsWindow(edit));

  // The parent's window goes first: the children's objects let go of theirs.
  auto parent = std::make_unique<Panel>();
  parent->Create({.parent = host.hwnd(), .bounds = {0, 0, 100, 100}}, PanelLook{});
  Window child;
  const HWND childHwnd = child.CreateControl(L"EDIT", {.parent = parent->hwnd()});
  Panel inner;
  inner.Create({.parent = parent->hwnd(), .bounds = {0, 0, 50, 50}}, PanelLook{});
  parent.reset();
  EXPECT_FALSE(IsWindow(childHwnd));
  EXPECT_EQ(inner.hwnd(), nullptr);
  EXPECT_EQ(Window::FromHwnd(childHwnd), nullptr);
  // A new window may take the old handle's place; the stale object leaves it alone.
  Window other;
  const HWND otherHwnd = other.CreateControl(L"EDIT", {.parent = host.hwnd()});
  child.Destroy();
  EXPECT_TRUE(IsWindow(otherHwnd));
}

// A form and its panel that log the WM_DESTROY their own handlers receive.
class LoggingPanel final : public Panel {
 public:
  explicit LoggingPanel(std::vector<std::string>& log) : log_(log) {}

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_DESTROY) log_.push_back("panel");
    return Panel::HandleMessage(msg, wp, lp);
  }

 private:
  std::vector<std::string>& log_;
};

class LoggingForm : public Form {
 public:
  explicit LoggingForm(std::vector<std::string>& log) : log_(log), panel_(log) {
    CreateForm({L"TLoggingForm"}, {.bounds = {0, 0, 100, 100}, .style = WS_OVERLAPPEDWINDOW});
    panel_.Create({.parent = hwnd(), .bounds = {0, 0, 50, 50}}, PanelLook{});
  }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_DESTROY) log_.push_back(IsWindow(panel_.hwnd()) ? "form, panel there" : "form");
    return Form::HandleMessage(msg, wp, lp);
  }

 private:
  std::vector<std::string>& log_;
  LoggingPanel panel_;
};

TEST(WindowBase, AWholeObjectHandlesItsOwnDestructionAndItsChildrenGoAfterIt) {
  std::vector<std::string> log;
  HWND form = nullptr;
  {
    Whole<LoggingForm> object(log);
    form = object.hwnd();
  }
  EXPECT_FALSE(IsWindow(form));
  EXPECT_EQ(log, (std::vector<std::string>{"form, panel there", "panel"}));

  // Destroyed early, the window goes the same way and the object later lets it be.
  log.clear();
  Whole<LoggingForm> early(log);
  early.Destroy();
  EXPECT_EQ(early.hwnd(), nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"form, panel there", "panel"}));
}

TEST(WindowBase, AWindowThatCannotBeMadeIsAnErrorWithTheSystemsText) {
  Host host;
  Window missing;
  try {
    missing.CreateControl(L"TNoSuchClass", {.parent = host.hwnd(), .name = "Missing"});
    ADD_FAILURE() << "no error";
  } catch (const AppError& error) {
    // Windows reports the class as not found, Wine as not existing.
    const Text prefix = "Cannot create the window Missing: ";
    EXPECT_TRUE(error.text() == prefix + SystemMessage(ERROR_CANNOT_FIND_WND_CLASS) ||
                error.text() == prefix + SystemMessage(ERROR_CLASS_DOES_NOT_EXIST))
        << error.text();
  }
  EXPECT_EQ(missing.hwnd(), nullptr);
}

TEST(WindowBase, TheFormFindsItsDescendantsByNameAndClass) {
  Host host;
  Panel panel;
  panel.Create({.parent = host.hwnd(), .name = "Outer"}, PanelLook{});
  PictureButton button;
  button.Create({.parent = panel.hwnd(), .text = "Go", .name = "Inner"}, PictureButtonLook{});
  EXPECT_EQ(host.Named("Outer"), &panel);
  EXPECT_EQ(host.Named("Inner"), &button);
  EXPECT_EQ(host.Named<PictureButton>("Inner"), &button);
  EXPECT_EQ(host.Named<Panel>("Inner"), nullptr);
  EXPECT_EQ(host.Named("Missing"), nullptr);
  EXPECT_EQ(host.Named(""), nullptr);
  // Another form's controls are not this one's.
  Host other;
  EXPECT_EQ(other.Named("Inner"), nullptr);
}

TEST(WindowBase, AChildsNotificationReachesItsOwnObject) {
  Host host;
  PictureButton first, second;
  first.Create({.parent = host.hwnd(), .bounds = {0, 0, 80, 30}, .text = "1"}, PictureButtonLook{});
  second.Create({.parent = host.hwnd(), .bounds = {0, 40, 80, 30}, .text = "2"},
                PictureButtonLook{});
  int firstClicks = 0, secondClicks = 0;
  first.onClick = [&] { ++firstClicks; };
  second.onClick = [&] { ++secondClicks; };
  SendMessageW(second.hwnd(), BM_CLICK, 0, 0);
  SendMessageW(second.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(firstClicks, 0);
  EXPECT_EQ(secondClicks, 2);
}

TEST(GdiObject, DeletesWhatItHoldsOnceAndHandsItOnWhenMoved) {
  const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  {
    OwnedBrush owner(brush);
    OwnedBrush moved(std::move(owner));
    EXPECT_FALSE(owner);
    EXPECT_EQ(moved.get(), brush);
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
  }
  EXPECT_EQ(GetObjectType(brush), 0u);

  OwnedBrush held(CreateSolidBrush(RGB(4, 5, 6)));
  const HBRUSH first = held.get();
  held.reset(CreateSolidBrush(RGB(7, 8, 9)));
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(GetObjectType(held.get()), static_cast<DWORD>(OBJ_BRUSH));
}

TEST(UiFont, MakesEachFontOnceWhateverLiesPastItsFaceName) {
  const HFONT arial = UiFont(Arial(13, true));
  EXPECT_EQ(UiFont(Arial(13, true)), arial);
  EXPECT_NE(UiFont(Arial(13)), arial);
  EXPECT_NE(UiFont(Arial(14, true)), arial);

  LOGFONTW described{};
  GetObjectW(arial, sizeof described, &described);
  EXPECT_EQ(described.lfHeight, -13);
  EXPECT_EQ(described.lfWeight, FW_BOLD);
  EXPECT_EQ(described.lfCharSet, RUSSIAN_CHARSET);
  // The same description with other bytes after the face name's end.
  std::fill(std::begin(described.lfFaceName) + 6, std::end(described.lfFaceName), L'x');
  described.lfFaceName[5] = L'\0';
  EXPECT_EQ(UiFont(described), arial);
}

}  // namespace
}  // namespace demodisc
