// The catalogue's button groups as screen readers see them: the client
// object each group hands out through WM_GETOBJECT, asked through oleacc
// like any accessibility client.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <array>
#include <memory>
#include <string>

#include "base/wide_win.h"
#include "launcher/catalogue.h"
#include "launcher/hint_texts.h"
#include "support/dpi_change.h"
#include "support/main_window_fixture.h"
#include "ui/MainDemo/main_form.h"
#include "ui/controls/button_group.h"
#include "ui/controls/string_grid.h"

namespace demodisc {
namespace {

using testing::MainWindowTest;
using testing::PumpMessages;
using testing::RecordedLines;
using testing::WriteFileBytes;

constexpr int kRow = 36;

struct Releaser {
  void operator()(IUnknown* p) const { p->Release(); }
};
using Accessible = std::unique_ptr<IAccessible, Releaser>;

VARIANT Child(long id) {
  VARIANT v;
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

class AccessibilityTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    CoUninitialize();
  }

  static Accessible ClientOf(HWND window) {
    void* object = nullptr;
    const HRESULT hr = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                  __uuidof(IAccessible), &object);
    EXPECT_EQ(hr, S_OK);
    return Accessible(static_cast<IAccessible*>(object));
  }
  static std::wstring Name(IAccessible* a, long id) {
    BSTR name = nullptr;
    EXPECT_EQ(a->get_accName(Child(id), &name), S_OK);
    std::wstring s = name ? std::wstring(name, SysStringLen(name)) : L"";
    SysFreeString(name);
    return s;
  }
  static long IntOf(HRESULT hr, const VARIANT& v) {
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(v.vt, VT_I4);
    return v.vt == VT_I4 ? v.lVal : -1;
  }
  static long Role(IAccessible* a, long id) {
    VARIANT v;
    const HRESULT hr = a->get_accRole(Child(id), &v);
    return IntOf(hr, v);
  }
  static long State(IAccessible* a, long id) {
    VARIANT v;
    const HRESULT hr = a->get_accState(Child(id), &v);
    return IntOf(hr, v);
  }
  // left, top, right, bottom
  static std::array<long, 4> Location(IAccessible* a, long id) {
    long x = 0, y = 0, w = 0, h = 0;
    EXPECT_EQ(a->accLocation(&x, &y, &w, &h, Child(id)), S_OK);
    return {x, y, x + w, y + h};
  }
  static std::array<long, 4> Corners(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
  // A button's rectangle on the screen, its rows at a scale.
  static RECT ButtonOnScreen(HWND group, int index, const UiScale& scale = {}) {
    RECT client;
    GetClientRect(group, &client);
    RECT r{0, index * scale.Px(kRow), client.right, (index + 1) * scale.Px(kRow)};
    MapWindowPoints(group, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  ButtonGroup& GroupOf(HWND window) {
    return *dynamic_cast<ButtonGroup*>(Window::FromHwnd(window));
  }
};

struct GroupRow {
  const char* name;
  Category page;
};

const GroupRow kGroups[] = {
    {"BGrp_present", Category::Present},
    {"ButGrp_demo", Category::Demo},
    {"ButGrp_Video", Category::Video},
    {"But_Grp_user", Category::User},
};

TEST_F(AccessibilityTest, EachCatalogueItemIsAPushButtonNamedByItsCaption) {
  for (const GroupRow& g : kGroups) {
    SCOPED_TRACE(g.name);
    HWND group = Named(g.name);
    Accessible a = ClientOf(group);
    ASSERT_TRUE(a);
    const auto items = CatalogueItems(g.page);
    long count = 0;
    EXPECT_EQ(a->get_accChildCount(&count), S_OK);
    ASSERT_EQ(count, static_cast<long>(items.size()));
    for (long id = 1; id <= count; ++id) {
      SCOPED_TRACE(id);
      EXPECT_EQ(Role(a.get(), id), ROLE_SYSTEM_PUSHBUTTON);
      EXPECT_EQ(Name(a.get(), id), Wide(ShownCaption(items[static_cast<std::size_t>(id - 1)])));
      EXPECT_TRUE(State(a.get(), id) & STATE_SYSTEM_FOCUSABLE);
      BSTR action = nullptr;
      EXPECT_EQ(a->get_accDefaultAction(Child(id), &action), S_OK);
      EXPECT_STREQ(action, L"Press");
      SysFreeString(action);
      IDispatch* element = reinterpret_cast<IDispatch*>(1);
      EXPECT_EQ(a->get_accChild(Child(id), &element), S_FALSE);  // a simple element
      EXPECT_EQ(element, nullptr);
    }
    BSTR name = nullptr;
    EXPECT_EQ(a->get_accName(Child(count + 1), &name), E_INVALIDARG);
    EXPECT_EQ(a->get_accName(Child(-1), &name), E_INVALIDARG);
  }
}

// Screen readers' locations are screen pixels, wherever the window is drawn
// at a scale.
class AccessibilityAtScale : public testing::AtScale<AccessibilityTest> {};
INSTANTIATE_TEST_SUITE_P(Dpi, AccessibilityAtScale, ::testing::ValuesIn(testing::kTestedDpis),
                         testing::DpiName);

TEST_P(AccessibilityAtScale, PresentationButtonsLieWhereTheyAreDrawnAndAreFoundByHitTest) {
  HWND group = Named("BGrp_present");
  Accessible a = ClientOf(group);
  ASSERT_TRUE(a);
  long count = 0;
  a->get_accChildCount(&count);
  ASSERT_EQ(count, 8);
  for (long id = 1; id <= count; ++id) {
    SCOPED_TRACE(id);
    const RECT expected = ButtonOnScreen(group, static_cast<int>(id - 1), Scale());
    EXPECT_EQ(Location(a.get(), id), Corners(expected));
    VARIANT hit;
    EXPECT_EQ(IntOf(a->accHitTest((expected.left + expected.right) / 2,
                                  (expected.top + expected.bottom) / 2, &hit),
                    hit),
              id);
    EXPECT_EQ(IntOf(a->accHitTest(expected.left, expected.bottom - 1, &hit), hit), id);
    EXPECT_FALSE(State(a.get(), id) & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN));
  }
  // Below the last button: the group itself; outside its client area: nothing.
  RECT client;
  GetClientRect(group, &client);
  MapWindowPoints(group, nullptr, reinterpret_cast<POINT*>(&client), 2);
  VARIANT hit;
  EXPECT_EQ(IntOf(a->accHitTest(client.left + 5, client.bottom - 2, &hit), hit), CHILDID_SELF);
  EXPECT_EQ(a->accHitTest(client.left - 1, client.top + 5, &hit), S_FALSE);
  EXPECT_EQ(hit.vt, VT_EMPTY);
  EXPECT_EQ(a->accHitTest(client.left + 5, client.bottom, &hit), S_FALSE);

  // The group itself is answered by the system's client object.
  EXPECT_EQ(Role(a.get(), CHILDID_SELF), ROLE_SYSTEM_CLIENT);
  EXPECT_EQ(Location(a.get(), CHILDID_SELF), Corners(client));
  IDispatch* parent = nullptr;
  EXPECT_EQ(a->get_accParent(&parent), S_OK);
  ASSERT_NE(parent, nullptr);
  parent->Release();
  HWND window = nullptr;
  EXPECT_EQ(WindowFromAccessibleObject(a.get(), &window), S_OK);
  EXPECT_EQ(window, group);
}

// After a move to a monitor of 150 %: what screen readers are told of the
// controls made anew lies where they are drawn.
class AccessibilityAfterDpiChange : public AccessibilityTest {
 protected:
  void SetUp() override {
    AccessibilityTest::SetUp();
    testing::SendDpiChange(main().hwnd(), 144, {MainForm::kClientWidth, MainForm::kClientHeight});
    PumpMessages(100);
  }
};

TEST_F(AccessibilityAfterDpiChange, ButtonsAndLabelsLieWhereTheyAreDrawn) {
  HWND group = Named("BGrp_present");
  Accessible a = ClientOf(group);
  ASSERT_TRUE(a);
  RECT client;
  GetClientRect(group, &client);
  const int row = UiScale(144).Px(kRow);
  for (long id = 1; id <= 8; ++id) {
    SCOPED_TRACE(id);
    RECT expected{0, static_cast<int>(id - 1) * row, client.right, static_cast<int>(id) * row};
    MapWindowPoints(group, nullptr, reinterpret_cast<POINT*>(&expected), 2);
    EXPECT_EQ(Location(a.get(), id), Corners(expected));
  }
  HWND box = Named("Pan_AboutInter");
  Accessible labels = ClientOf(box);
  ASSERT_TRUE(labels);
  const char* const names[] = {"Lab_HInter", "Lab_www", "Lab_HEmails"};
  for (long id = 1; id <= 3; ++id) {
    SCOPED_TRACE(names[id - 1]);
    RECT expected = main().NamedElement(names[id - 1])->Place();
    MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&expected), 2);
    EXPECT_EQ(Location(labels.get(), id), Corners(expected));
    EXPECT_NEAR(expected.bottom - expected.top, UiScale(144).Px(14), 1);
  }
}

TEST_F(AccessibilityTest, FocusFrameAndHotButtonShowInTheStates) {
  HWND group = Named("BGrp_present");
  Accessible a = ClientOf(group);
  ASSERT_TRUE(a);
  // The tab row has the focus: no button is focused.
  VARIANT focus;
  EXPECT_EQ(a->get_accFocus(&focus), S_FALSE);
  EXPECT_EQ(focus.vt, VT_EMPTY);
  SetFocus(group);
  for (WPARAM key : {VK_HOME, VK_DOWN, VK_DOWN}) PostMessageW(group, WM_KEYDOWN, key, 0);
  PumpMessages(100);
  ASSERT_EQ(GroupOf(group).FocusIndex(), 2);
  EXPECT_EQ(IntOf(a->get_accFocus(&focus), focus), 3);
  for (long id = 1; id <= 8; ++id) {
    SCOPED_TRACE(id);
    EXPECT_EQ((State(a.get(), id) & STATE_SYSTEM_FOCUSED) != 0, id == 3);
  }
  // Without the focus the frame is not drawn and nothing is focused.
  SetFocus(Named("PgCtrl_disk"));
  PumpMessages(50);
  EXPECT_FALSE(State(a.get(), 3) & STATE_SYSTEM_FOCUSED);

  for (const auto& f : HintFiles(hpPresent)) WriteHint(Text(f), "");
  MoveMouse(group, 100, 5 * kRow + kRow / 2);
  PumpMessages(100);
  ASSERT_EQ(GroupOf(group).HotIndex(), 5);
  for (long id = 1; id <= 8; ++id) {
    SCOPED_TRACE(id);
    EXPECT_EQ((State(a.get(), id) & STATE_SYSTEM_HOTTRACKED) != 0, id == 6);
  }
  // accSelect moves the focus frame and gives the group the focus.
  EXPECT_EQ(a->accSelect(SELFLAG_TAKEFOCUS, Child(8)), S_OK);
  EXPECT_EQ(GetFocus(), group);
  EXPECT_EQ(GroupOf(group).FocusIndex(), 7);
  EXPECT_EQ(a->accSelect(SELFLAG_TAKESELECTION, Child(8)), DISP_E_MEMBERNOTFOUND);
}

TEST_F(AccessibilityTest, NavigationGoesDownTheColumnAndStopsAtItsEnds) {
  Accessible a = ClientOf(Named("BGrp_present"));
  ASSERT_TRUE(a);
  VARIANT to;
  EXPECT_EQ(IntOf(a->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &to), to), 1);
  EXPECT_EQ(IntOf(a->accNavigate(NAVDIR_LASTCHILD, Child(CHILDID_SELF), &to), to), 8);
  EXPECT_EQ(IntOf(a->accNavigate(NAVDIR_NEXT, Child(1), &to), to), 2);
  EXPECT_EQ(IntOf(a->accNavigate(NAVDIR_DOWN, Child(4), &to), to), 5);
  EXPECT_EQ(IntOf(a->accNavigate(NAVDIR_PREVIOUS, Child(8), &to), to), 7);
  EXPECT_EQ(IntOf(a->accNavigate(NAVDIR_UP, Child(2), &to), to), 1);
  for (auto [dir, from] : {std::pair{NAVDIR_NEXT, 8L},
                           {NAVDIR_DOWN, 8L},
                           {NAVDIR_PREVIOUS, 1L},
                           {NAVDIR_UP, 1L},
                           {NAVDIR_LEFT, 3L},
                           {NAVDIR_RIGHT, 3L}}) {
    SCOPED_TRACE(from);
    EXPECT_EQ(a->accNavigate(dir, Child(from), &to), S_FALSE);
    EXPECT_EQ(to.vt, VT_EMPTY);
  }
  EXPECT_EQ(a->accNavigate(NAVDIR_FIRSTCHILD, Child(3), &to), E_INVALIDARG);
}

TEST_F(AccessibilityTest, DefaultActionPressesTheButtonOnceAfterTheCallReturns) {
  const Text record = Disc("record.txt");
  WriteFileBytes(Disc("Presentation\\play_int.bat"),
                 "@echo off\r\necho play_int.bat %CD%>> \"" + record + "\"\r\n");
  for (const auto& f : HintFiles(hpPresent)) WriteHint(Text(f), "");
  HWND group = Named("BGrp_present");
  Accessible a = ClientOf(group);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->accDoDefaultAction(Child(3)), S_OK);
  EXPECT_TRUE(RecordedLines(record, false).empty());  // not yet: the call returned at once
  PumpMessages(3000, [&] { return !RecordedLines(record, false).empty(); });
  PumpMessages(200);
  const std::vector<Text> lines = RecordedLines(record, false);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].substr(0, lines[0].find_last_not_of(' ') + 1),
            "play_int.bat " + Disc("Presentation"));
  EXPECT_EQ(GroupOf(group).FocusIndex(), 2);  // as a mouse click leaves it
}

TEST_F(AccessibilityTest, DefaultActionDoesNothingWhileTheWindowIsDisabled) {
  const Text record = Disc("record.txt");
  WriteFileBytes(Disc("Presentation\\play_int.bat"),
                 "@echo off\r\necho play_int.bat>> \"" + record + "\"\r\n");
  Accessible a = ClientOf(Named("BGrp_present"));
  ASSERT_TRUE(a);
  EnableWindow(main().hwnd(), FALSE);
  EXPECT_TRUE(State(a.get(), 3) & STATE_SYSTEM_UNAVAILABLE);
  EXPECT_EQ(a->accDoDefaultAction(Child(3)), DISP_E_MEMBERNOTFOUND);
  PumpMessages(500);
  EnableWindow(main().hwnd(), TRUE);
  EXPECT_TRUE(RecordedLines(record, false).empty());
}

TEST_F(AccessibilityTest, AnObjectOutlivingItsWindowFailsAndIsFreedByItsLastRelease) {
  Accessible a = ClientOf(Named("BGrp_present"));
  ASSERT_TRUE(a);
  Accessible again = ClientOf(Named("BGrp_present"));
  EXPECT_EQ(again.get(), a.get());  // one object per window
  again.reset();
  app_.reset();  // every window goes
  PumpMessages(50);
  long count = 7;
  EXPECT_EQ(a->get_accChildCount(&count), RPC_E_DISCONNECTED);
  EXPECT_EQ(count, 0);
  BSTR name = nullptr;
  EXPECT_EQ(a->get_accName(Child(1), &name), RPC_E_DISCONNECTED);
  EXPECT_EQ(a->get_accName(Child(CHILDID_SELF), &name), RPC_E_DISCONNECTED);
  VARIANT hit;
  EXPECT_EQ(a->accHitTest(10, 10, &hit), RPC_E_DISCONNECTED);
  EXPECT_EQ(a->accDoDefaultAction(Child(1)), RPC_E_DISCONNECTED);
  EXPECT_EQ(a.release()->Release(), 0u);
}

TEST_F(AccessibilityTest, OtherObjectsOfTheGroupAreTheSystemsOwn) {
  HWND group = Named("BGrp_present");
  void* object = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(group, static_cast<DWORD>(OBJID_WINDOW),
                                       __uuidof(IAccessible), &object),
            S_OK);
  Accessible window(static_cast<IAccessible*>(object));
  Accessible client = ClientOf(group);
  EXPECT_NE(window.get(), client.get());
  HWND from = nullptr;
  EXPECT_EQ(WindowFromAccessibleObject(window.get(), &from), S_OK);
  EXPECT_EQ(from, group);
}

// The publication grid after a real list file is loaded: 3 columns, 40 rows.
class GridAccessibilityTest : public AccessibilityTest {
 protected:
  void PrepareDisc() override {
    std::string list =
        "eng#paper01.pdf#12. Sample title of a paper.\r\n" + Text("rus##7.  Статья о зубах.\r\n");
    for (int i = 3; i <= 45; ++i)
      list += "eng#p" + std::to_string(i) + ".pdf#" + std::to_string(10 + i) + ". Title " +
              std::to_string(i) + ".\r\n";
    WriteFileBytes(Disc("Publication\\vortan_lit.txt"), testing::Cp1251(list));
  }
  void SetUp() override {
    AccessibilityTest::SetUp();
    SendMessageW(Named("PgCtrl_disk"), TCM_SETCURSEL, MainForm::kArtikel, 0);
    NMHDR n{Named("PgCtrl_disk"), 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(main().hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
    PumpMessages(50);
  }
  static long Id(int col, int row) { return row * 3 + col + 1; }
};

class GridAccessibilityAtScale : public testing::AtScale<GridAccessibilityTest> {};
INSTANTIATE_TEST_SUITE_P(Dpi, GridAccessibilityAtScale, ::testing::ValuesIn(testing::kTestedDpis),
                         testing::DpiName);

TEST_P(GridAccessibilityAtScale, EachCellIsNamedByItsTextAndLiesWhereItIsDrawn) {
  StringGrid& grid = Grid();
  Accessible a = ClientOf(grid.hwnd());
  ASSERT_TRUE(a);
  EXPECT_EQ(Role(a.get(), CHILDID_SELF), ROLE_SYSTEM_TABLE);
  long count = 0;
  EXPECT_EQ(a->get_accChildCount(&count), S_OK);
  ASSERT_EQ(count, 3 * 40);
  EXPECT_EQ(Name(a.get(), Id(0, 0)), L"№ ");
  EXPECT_EQ(Name(a.get(), Id(2, 0)), L"Публикация");
  EXPECT_EQ(Name(a.get(), Id(0, 1)), L"12. ");
  EXPECT_EQ(Name(a.get(), Id(1, 1)), L"eng");
  EXPECT_EQ(Name(a.get(), Id(2, 1)), L"Sample title of a paper");
  EXPECT_EQ(Name(a.get(), Id(1, 2)), L"rus");
  EXPECT_EQ(Name(a.get(), Id(2, 2)), L"Статья о зубах");
  EXPECT_EQ(Name(a.get(), Id(2, 39)), L"Title 39");
  EXPECT_EQ(Role(a.get(), Id(1, 0)), ROLE_SYSTEM_COLUMNHEADER);
  EXPECT_EQ(Role(a.get(), Id(0, 5)), ROLE_SYSTEM_ROWHEADER);
  EXPECT_EQ(Role(a.get(), Id(2, 5)), ROLE_SYSTEM_CELL);
  RECT client;
  GetClientRect(grid.hwnd(), &client);
  MapWindowPoints(grid.hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  int shown = 0;
  for (int row = 0; row < 40; ++row) {
    for (int col = 0; col < 3; ++col) {
      SCOPED_TRACE(::testing::Message() << col << "," << row);
      EXPECT_EQ(Name(a.get(), Id(col, row)), Wide(grid.Cell(col, row)));
      RECT r = grid.CellRect(col, row);
      const long state = State(a.get(), Id(col, row));
      EXPECT_TRUE(state & STATE_SYSTEM_READONLY);
      if (IsRectEmpty(&r)) {
        EXPECT_TRUE(state & STATE_SYSTEM_OFFSCREEN);
        continue;
      }
      ++shown;
      EXPECT_FALSE(state & STATE_SYSTEM_INVISIBLE);
      MapWindowPoints(grid.hwnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
      EXPECT_EQ(Location(a.get(), Id(col, row)), Corners(r));
      // The last row may be cut by the bottom edge: its shown part is hit.
      RECT part;
      IntersectRect(&part, &r, &client);
      VARIANT hit;
      EXPECT_EQ(
          IntOf(a->accHitTest((part.left + part.right) / 2, (part.top + part.bottom) / 2, &hit),
                hit),
          Id(col, row));
    }
  }
  EXPECT_GT(shown, 3 * 2);
  EXPECT_LT(shown, 3 * 40);  // the rest is scrolled off
}

TEST_F(GridAccessibilityTest, CurrentCellAndRangeAreTheFocusAndTheSelection) {
  StringGrid& grid = Grid();
  Accessible a = ClientOf(grid.hwnd());
  ASSERT_TRUE(a);
  VARIANT v;
  EXPECT_EQ(IntOf(a->get_accSelection(&v), v), Id(1, 1));
  EXPECT_FALSE(State(a.get(), Id(0, 1)) & STATE_SYSTEM_SELECTABLE);  // a header

  // Taking the focus and the selection moves the current cell as a click does.
  EXPECT_EQ(a->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, Child(Id(2, 3))), S_OK);
  EXPECT_EQ(GetFocus(), grid.hwnd());
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(WindowTextUtf8(Named("Mm_artikel")), "13. Title 3\r\n");
  EXPECT_EQ(IntOf(a->get_accFocus(&v), v), Id(2, 3));
  EXPECT_EQ(State(a.get(), Id(2, 3)) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED),
            STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED);
  EXPECT_EQ(a->accSelect(SELFLAG_TAKESELECTION, Child(Id(0, 3))), DISP_E_MEMBERNOTFOUND);

  EXPECT_EQ(a->accSelect(SELFLAG_EXTENDSELECTION, Child(Id(1, 5))), S_OK);
  ASSERT_EQ(a->get_accSelection(&v), S_OK);
  ASSERT_EQ(v.vt, VT_UNKNOWN);
  IEnumVARIANT* list = nullptr;
  ASSERT_EQ(v.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&list)), S_OK);
  v.punkVal->Release();
  std::vector<long> ids;
  VARIANT items[10];
  ULONG fetched = 0;
  EXPECT_EQ(list->Next(10, items, &fetched), S_FALSE);  // fewer than asked for
  for (ULONG i = 0; i < fetched; ++i) ids.push_back(items[i].lVal);
  list->Release();
  EXPECT_EQ(ids, (std::vector<long>{Id(1, 3), Id(2, 3), Id(1, 4), Id(2, 4), Id(1, 5), Id(2, 5)}));
  EXPECT_TRUE(State(a.get(), Id(1, 4)) & STATE_SYSTEM_SELECTED);
  EXPECT_FALSE(State(a.get(), Id(1, 4)) & STATE_SYSTEM_FOCUSED);
  EXPECT_FALSE(State(a.get(), Id(2, 6)) & STATE_SYSTEM_SELECTED);
}

TEST_F(GridAccessibilityTest, NavigationMovesByCellsAndStopsAtTheEdges) {
  Accessible a = ClientOf(Grid().hwnd());
  ASSERT_TRUE(a);
  VARIANT to;
  EXPECT_EQ(IntOf(a->accNavigate(NAVDIR_RIGHT, Child(Id(1, 1)), &to), to), Id(2, 1));
  EXPECT_EQ(IntOf(a->accNavigate(NAVDIR_DOWN, Child(Id(1, 1)), &to), to), Id(1, 2));
  EXPECT_EQ(IntOf(a->accNavigate(NAVDIR_UP, Child(Id(1, 1)), &to), to), Id(1, 0));
  EXPECT_EQ(IntOf(a->accNavigate(NAVDIR_NEXT, Child(Id(2, 1)), &to), to), Id(0, 2));
  EXPECT_EQ(IntOf(a->accNavigate(NAVDIR_LASTCHILD, Child(CHILDID_SELF), &to), to), Id(2, 39));
  EXPECT_EQ(a->accNavigate(NAVDIR_RIGHT, Child(Id(2, 1)), &to), S_FALSE);
  EXPECT_EQ(a->accNavigate(NAVDIR_LEFT, Child(Id(0, 1)), &to), S_FALSE);
  EXPECT_EQ(a->accNavigate(NAVDIR_DOWN, Child(Id(2, 39)), &to), S_FALSE);
  EXPECT_EQ(a->accNavigate(NAVDIR_NEXT, Child(Id(2, 39)), &to), S_FALSE);
}

// What a screen reader in a process of its own reads of a window's client
// object (helpers/read_accessible.cpp): the child count, then a line
// "role|name|left,top,width,height" per child.
std::vector<Text> ReadFromAnotherProcess(HWND window, const Text& record) {
  DeleteFileW(Wide(record).c_str());
  SetEnvironmentVariableW(L"DEMODISC_RECORD", Wide(record).c_str());
  wchar_t handle[16];
  wsprintfW(handle, L"%lx", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
  std::wstring commandLine =
      L"\"" + Wide(testing::TestProgramDir()) + L"\\read_accessible.exe\" " + handle;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  EXPECT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &si, &pi));
  if (!pi.hProcess) return {};
  // The client's calls arrive as messages of this thread.
  PumpMessages(20000, [&] { return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0; });
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  SetEnvironmentVariableW(L"DEMODISC_RECORD", nullptr);
  EXPECT_EQ(code, 0u);
  return RecordedLines(record, true);
}

// A rectangle of a window's client area on the screen, as the reader prints it.
Text OnScreen(HWND window, const Bounds& b) {
  POINT origin{b.x, b.y};
  ClientToScreen(window, &origin);
  return std::to_string(origin.x) + "," + std::to_string(origin.y) + "," + std::to_string(b.width) +
         "," + std::to_string(b.height);
}

// A screen reader in a process of its own; this thread has not set up COM
// for itself, the group does so on the first request.
TEST_F(MainWindowTest, AClientInAnotherProcessReadsThePresentationButtons) {
  HWND group = Named("BGrp_present");
  std::vector<Text> expected{"8"};
  const auto items = CatalogueItems(Category::Present);
  RECT client;
  GetClientRect(group, &client);
  for (std::size_t i = 0; i < items.size(); ++i) {
    expected.push_back(std::to_string(ROLE_SYSTEM_PUSHBUTTON) + "|" + ShownCaption(items[i]) + "|" +
                       OnScreen(group, {0, static_cast<int>(i) * kRow, client.right, kRow}));
  }
  EXPECT_EQ(ReadFromAnotherProcess(group, Disc("accessible.txt")), expected);
}

// The contact boxes draw their texts and the magnifier themselves: a screen
// reader finds them as the boxes' children, static texts named by their
// texts and a graphic, where they are drawn; the box's button follows them
// as a window of its own.
TEST_F(MainWindowTest, AClientInAnotherProcessReadsTheContactTexts) {
  const struct {
    const char* box;
    std::vector<const char*> elements;
  } boxes[] = {
      {"Pan_AboutAdress", {"Lab_HMaker", "Image1", "Lab_adress", "Lab_koresp"}},
      {"Pan_AboutInter",
       {"Lab_HInter", "Lab_www", "Lab_HEmails", "Lab_email_1", "Lab_email_2", "Lab_email_3"}},
      {"Pan_AboutPhone", {"Lab_HTel", "Lab_tel_1", "Lab_tel_2"}},
      {"Pan_AboutPers", {"Lab_HPers", "Lab_Director", "Lab_hendy"}},
  };
  for (const auto& box : boxes) {
    SCOPED_TRACE(box.box);
    const HWND window = Named(box.box);
    const HWND button = GetWindow(window, GW_CHILD);
    std::vector<Text> expected{std::to_string(box.elements.size() + (button ? 1 : 0))};
    for (const char* name : box.elements) {
      const GraphicElement* element = main().NamedElement(name);
      ASSERT_NE(element, nullptr) << name;
      const bool picture = std::string_view(name) == "Image1";
      expected.push_back(std::to_string(picture ? ROLE_SYSTEM_GRAPHIC : ROLE_SYSTEM_STATICTEXT) +
                         "|" + (picture ? Text() : element->text()) + "|" +
                         OnScreen(window, element->bounds()));
    }
    std::vector<Text> read = ReadFromAnotherProcess(window, Disc("accessible.txt"));
    // The print button is the system's object of its window, which answers
    // for itself (Wine's answers little).
    if (button && read.size() == expected.size() + 1) read.pop_back();
    EXPECT_EQ(read, expected);
  }
  EXPECT_EQ(main().NamedElement("Lab_www")->text(), "www.example.ru");
}

// A page with a label and two controls: the label is a simple child, the
// controls are the windows' own objects, in one order for navigation, hit
// tests and the focus.
TEST_F(AccessibilityTest, APagesLabelComesBeforeItsControlWindows) {
  ShowPage(MainForm::kDemo);
  PumpMessages(100);
  const HWND page = Named("Demo");
  const Accessible a = ClientOf(page);
  ASSERT_TRUE(a);
  long count = 0;
  EXPECT_EQ(a->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(Role(a.get(), 1), ROLE_SYSTEM_STATICTEXT);
  EXPECT_EQ(Name(a.get(), 1), Wide(main().NamedElement("Lab_AttentDemo")->text()));

  const auto windowOf = [](const VARIANT& v) -> HWND {
    EXPECT_EQ(v.vt, VT_DISPATCH);
    if (v.vt != VT_DISPATCH || !v.pdispVal) return nullptr;
    IOleWindow* ole = nullptr;
    HWND window = nullptr;
    if (SUCCEEDED(v.pdispVal->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&ole)))) {
      ole->GetWindow(&window);
      ole->Release();
    }
    v.pdispVal->Release();
    return window;
  };
  IDispatch* child = nullptr;
  EXPECT_EQ(a->get_accChild(Child(1), &child), S_FALSE);
  ASSERT_EQ(a->get_accChild(Child(2), &child), S_OK);
  VARIANT asVariant;
  asVariant.vt = VT_DISPATCH;
  asVariant.pdispVal = child;
  EXPECT_EQ(windowOf(asVariant), Named("ButGrp_demo"));
  ASSERT_EQ(a->get_accChild(Child(3), &child), S_OK);
  asVariant.pdispVal = child;
  EXPECT_EQ(windowOf(asVariant), Named("Mm_Demo"));
  EXPECT_EQ(a->get_accChild(Child(4), &child), E_INVALIDARG);

  VARIANT to;
  EXPECT_EQ(a->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &to), S_OK);
  EXPECT_EQ(IntOf(S_OK, to), 1);
  EXPECT_EQ(a->accNavigate(NAVDIR_NEXT, Child(1), &to), S_OK);
  EXPECT_EQ(windowOf(to), Named("ButGrp_demo"));
  EXPECT_EQ(a->accNavigate(NAVDIR_PREVIOUS, Child(2), &to), S_OK);
  EXPECT_EQ(IntOf(S_OK, to), 1);
  EXPECT_EQ(a->accNavigate(NAVDIR_LASTCHILD, Child(CHILDID_SELF), &to), S_OK);
  EXPECT_EQ(windowOf(to), Named("Mm_Demo"));
  EXPECT_EQ(a->accNavigate(NAVDIR_NEXT, Child(3), &to), S_FALSE);

  const Bounds label = main().NamedElement("Lab_AttentDemo")->bounds();
  POINT inLabel{label.x + 5, label.y + 5};
  ClientToScreen(page, &inLabel);
  EXPECT_EQ(a->accHitTest(inLabel.x, inLabel.y, &to), S_OK);
  EXPECT_EQ(IntOf(S_OK, to), 1);
  RECT group;
  GetWindowRect(Named("ButGrp_demo"), &group);
  EXPECT_EQ(a->accHitTest(group.left + 5, group.top + 5, &to), S_OK);
  EXPECT_EQ(windowOf(to), Named("ButGrp_demo"));

  SetFocus(Named("Mm_Demo"));
  EXPECT_EQ(a->get_accFocus(&to), S_OK);
  EXPECT_EQ(windowOf(to), Named("Mm_Demo"));
}

}  // namespace
}  // namespace demodisc
