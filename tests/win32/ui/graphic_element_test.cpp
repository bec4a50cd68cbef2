// Labels and pictures have no window: their parent paints them, repaints only
// what they cover when they change, finds them by name, hits the topmost and
// tells screen readers of their changes.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <array>
#include <memory>
#include <tuple>
#include <vector>

#include "resource_ids.h"
#include "support/pixels.h"
#include "support/test_support.h"
#include "ui/controls/label.h"
#include "ui/controls/panel.h"
#include "ui/controls/picture.h"
#include "ui/form.h"
#include "ui/look/fonts.h"

namespace demodisc {
namespace {

using testing::ClientPixels;

constexpr COLORREF kPanelColour = RGB(10, 120, 200);
constexpr COLORREF kOwnColour = RGB(250, 240, 20);
constexpr COLORREF kTextColour = RGB(200, 0, 0);

class ElementHostForm final : public Form {
 public:
  ElementHostForm() {
    CreateForm({L"TElementHost"}, {.bounds = {0, 0, 300, 200},
                                   .text = "Elements",
                                   .style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN});
    PanelLook look;
    look.bevel = false;
    look.colour = kPanelColour;
    panel.Create({.parent = hwnd(), .bounds = {0, 0, 300, 200}, .name = "Panel"}, look);
  }
  Panel panel;
};

LabelLook Look(std::optional<COLORREF> colour, TextAlign align = TextAlign::Left) {
  LabelLook look;
  look.textColour = kTextColour;
  look.colour = colour;
  look.align = align;
  return look;
}

RECT RectOf(const Bounds& b) { return {b.x, b.y, b.x + b.width, b.y + b.height}; }
std::array<long, 4> Corners(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

class GraphicElementTest : public ::testing::Test {
 protected:
  void Add(Label& label, const Text& text, const Bounds& bounds, const LabelLook& look,
           std::string_view name = {}) {
    label.Create({.parent = host.panel.hwnd(),
                  .bounds = bounds,
                  .text = text,
                  .font = UiFont(Arial(14, true)),
                  .name = name},
                 look);
  }
  // Shows the window and paints it, so that nothing is left to repaint.
  void ShowPainted() {
    host.Show();
    UpdateWindow(host.hwnd());
    UpdateWindow(host.panel.hwnd());
    testing::PumpMessages(50);
    RedrawWindow(host.panel.hwnd(), nullptr, nullptr, RDW_UPDATENOW);
  }
  std::array<long, 4> UpdateBox() const {
    RECT box{};
    GetUpdateRect(host.panel.hwnd(), &box, FALSE);
    return Corners(box);
  }
  static constexpr std::array<long, 4> kNothing{0, 0, 0, 0};

  ElementHostForm host;
};

TEST_F(GraphicElementTest, TheParentPaintsALabelInItsOwnColourOrTheParentsAndClipsItsText) {
  Label own, inherits, clipped;
  Add(own, "Текст", {10, 10, 120, 20}, Look(kOwnColour));
  Add(inherits, "Текст", {10, 50, 120, 20}, Look(std::nullopt));
  // An unwrapped line far longer than its label: nothing of it past the edge.
  Add(clipped, "ШШШШШШШШШШШШШШШШШШШШШШШШШШШШШШ", {10, 90, 60, 20}, Look(kOwnColour));
  const ClientPixels px(host.panel.hwnd());
  // Beyond the text's end the label's background shows.
  EXPECT_TRUE(px.AllOf({110, 10, 130, 30}, kOwnColour));
  EXPECT_TRUE(px.Holds({10, 10, 60, 30}, kTextColour));
  EXPECT_TRUE(px.AllOf({110, 50, 130, 70}, kPanelColour));
  EXPECT_TRUE(px.Holds({10, 50, 60, 70}, kTextColour));
  EXPECT_TRUE(px.Holds({10, 90, 70, 110}, kTextColour));
  EXPECT_TRUE(px.AllOf({70, 85, 300, 115}, kPanelColour));
  // Around the labels the panel is untouched.
  EXPECT_TRUE(px.AllOf({0, 0, 300, 10}, kPanelColour));
  EXPECT_TRUE(px.AllOf({130, 10, 300, 80}, kPanelColour));
}

TEST_F(GraphicElementTest, CentredAndRightAlignedTextsKeepToTheirSide) {
  Label centre, right;
  Add(centre, "ШШ", {0, 10, 300, 20}, Look(kOwnColour, TextAlign::Centre));
  Add(right, "ШШ", {0, 40, 300, 20}, Look(kOwnColour, TextAlign::Right));
  const ClientPixels px(host.panel.hwnd());
  EXPECT_TRUE(px.AllOf({0, 10, 100, 30}, kOwnColour));
  EXPECT_TRUE(px.Holds({120, 10, 180, 30}, kTextColour));
  EXPECT_TRUE(px.AllOf({200, 10, 300, 30}, kOwnColour));
  EXPECT_TRUE(px.AllOf({0, 40, 200, 60}, kOwnColour));
  EXPECT_TRUE(px.Holds({240, 40, 300, 60}, kTextColour));
}

TEST_F(GraphicElementTest, APictureIsDrawnAtItsTopLeftCornerOverTheParentsColour) {
  Picture picture;
  picture.Create({.parent = host.panel.hwnd(), .bounds = {20, 30, 100, 100}}, IDB_MAGNIFIER, true);
  ASSERT_TRUE(picture.HasPicture());
  const ClientPixels px(host.panel.hwnd());
  // The 36-pixel magnifier: something of its own inside its square, the
  // panel's colour in its transparent lower-left corner and past it.
  bool drawn = false;
  for (int y = 30; y < 66 && !drawn; ++y)
    for (int x = 20; x < 56 && !drawn; ++x) drawn = px.At(x, y) != kPanelColour;
  EXPECT_TRUE(drawn);
  EXPECT_EQ(px.At(20, 65), kPanelColour);
  EXPECT_TRUE(px.AllOf({56, 30, 120, 130}, kPanelColour));
  EXPECT_TRUE(px.AllOf({20, 66, 120, 130}, kPanelColour));
}

TEST_F(GraphicElementTest, AChangeRepaintsOnlyWhatTheElementCovers) {
  Label label;
  Add(label, "Один", {10, 20, 100, 20}, Look(kOwnColour));
  ShowPainted();
  ASSERT_EQ(UpdateBox(), kNothing);

  label.SetText("Два");
  EXPECT_EQ(UpdateBox(), Corners({10, 20, 110, 40}));
  ValidateRect(host.panel.hwnd(), nullptr);
  // The same text again changes nothing.
  label.SetText("Два");
  EXPECT_EQ(UpdateBox(), kNothing);

  // A move repaints where it was and where it goes.
  label.SetBounds({150, 100, 100, 20});
  EXPECT_EQ(UpdateBox(), Corners({10, 20, 250, 120}));
  ValidateRect(host.panel.hwnd(), nullptr);
  const ClientPixels px(host.panel.hwnd());
  EXPECT_TRUE(px.AllOf(RectOf({10, 20, 100, 20}), kPanelColour));
  EXPECT_TRUE(px.Holds(RectOf({150, 100, 100, 20}), kTextColour));
}

TEST_F(GraphicElementTest, TheFormFindsElementsByNameUntilTheyGo) {
  auto label = std::make_unique<Label>();
  Add(*label, "Метка", {0, 0, 100, 20}, Look(std::nullopt), "Lab_Test");
  EXPECT_EQ(host.Named<Label>("Lab_Test"), label.get());
  EXPECT_EQ(host.NamedElement("Lab_Test")->text(), "Метка");
  EXPECT_EQ(host.NamedElement("Lab_Test")->bounds(), (Bounds{0, 0, 100, 20}));
  // It is no window, and no picture.
  EXPECT_EQ(host.Named("Lab_Test"), nullptr);
  EXPECT_EQ(host.Named<Picture>("Lab_Test"), nullptr);
  label.reset();
  EXPECT_EQ(host.NamedElement("Lab_Test"), nullptr);
}

TEST_F(GraphicElementTest, AnElementOutlivingItsParentIsNoLongerFoundAndDrawsNowhere) {
  auto parent = std::make_unique<Panel>();
  parent->Create({.parent = host.hwnd(), .bounds = {0, 0, 100, 100}}, PanelLook{});
  Label label;
  label.Create({.parent = parent->hwnd(), .text = "Метка", .name = "Lab_Test"}, LabelLook{});
  ASSERT_EQ(host.NamedElement("Lab_Test"), &label);
  parent.reset();
  EXPECT_EQ(host.NamedElement("Lab_Test"), nullptr);
  EXPECT_EQ(label.parent(), nullptr);
  label.SetText("Другая");
  label.SetBounds({5, 5, 50, 10});
  EXPECT_EQ(label.text(), "Другая");
}

TEST_F(GraphicElementTest, AParentThatHostsNoElementsIsRefused) {
  Window edit;
  ASSERT_NE(edit.CreateControl(L"EDIT", {.parent = host.hwnd()}), nullptr);
  Label label;
  EXPECT_THROW(label.Create({.parent = edit.hwnd(), .text = "x"}, LabelLook{}), std::logic_error);
}

TEST_F(GraphicElementTest, HidingShowingAndRemovingRepaintExactlyTheElementsPlace) {
  auto label = std::make_unique<Label>();
  Add(*label, "Один", {10, 20, 100, 20}, Look(kOwnColour));
  ShowPainted();
  label->SetVisible(false);
  EXPECT_EQ(UpdateBox(), Corners({10, 20, 110, 40}));
  ValidateRect(host.panel.hwnd(), nullptr);
  // Hidden, it is not painted and a move repaints nothing.
  RedrawWindow(host.panel.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(ClientPixels(host.panel.hwnd()).AllOf({10, 20, 110, 40}, kPanelColour));
  label->SetBounds({30, 60, 100, 20});
  EXPECT_EQ(UpdateBox(), kNothing);
  label->SetVisible(true);
  EXPECT_EQ(UpdateBox(), Corners({30, 60, 130, 80}));
  ValidateRect(host.panel.hwnd(), nullptr);
  // Removed, what lay beneath it is painted again.
  label.reset();
  EXPECT_EQ(UpdateBox(), Corners({30, 60, 130, 80}));
  RedrawWindow(host.panel.hwnd(), nullptr, nullptr, RDW_UPDATENOW);
  EXPECT_TRUE(ClientPixels(host.panel.hwnd()).AllOf({30, 60, 130, 80}, kPanelColour));
}

// The elements as an accessibility client in this process sees them.
class ElementAccessibilityTest : public GraphicElementTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  }
  void TearDown() override { CoUninitialize(); }

  IAccessible* Client() {
    void* object = nullptr;
    EXPECT_EQ(AccessibleObjectFromWindow(host.panel.hwnd(), static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), &object),
              S_OK);
    return static_cast<IAccessible*>(object);
  }
  // The child hit at a point of the panel's client area; 0 for the panel itself.
  long HitAt(int x, int y) {
    POINT p{x, y};
    ClientToScreen(host.panel.hwnd(), &p);
    IAccessible* a = Client();
    VARIANT hit{};
    const HRESULT hr = a->accHitTest(p.x, p.y, &hit);
    a->Release();
    return hr == S_OK && hit.vt == VT_I4 ? hit.lVal : -1;
  }
  long State(long child) {
    IAccessible* a = Client();
    VARIANT id{}, state{};
    id.vt = VT_I4;
    id.lVal = child;
    const HRESULT hr = a->get_accState(id, &state);
    a->Release();
    return hr == S_OK && state.vt == VT_I4 ? state.lVal : -1;
  }
};

TEST_F(ElementAccessibilityTest, WhereElementsOverlapTheLastPaintedIsHitAndAHiddenOneIsNot) {
  constexpr COLORREF kUnder = RGB(0, 200, 0);
  Label under, over;
  Add(under, "", {10, 10, 100, 20}, Look(kUnder));
  Add(over, "", {60, 10, 100, 20}, Look(kOwnColour));
  ShowPainted();
  EXPECT_TRUE(ClientPixels(host.panel.hwnd()).AllOf({60, 10, 160, 30}, kOwnColour));
  EXPECT_EQ(HitAt(30, 20), 1);
  EXPECT_EQ(HitAt(80, 20), 2);
  EXPECT_EQ(HitAt(200, 20), CHILDID_SELF);

  over.SetVisible(false);
  RedrawWindow(host.panel.hwnd(), nullptr, nullptr, RDW_UPDATENOW);
  EXPECT_TRUE(ClientPixels(host.panel.hwnd()).AllOf({60, 10, 110, 30}, kUnder));
  EXPECT_EQ(HitAt(80, 20), 1);
  EXPECT_EQ(HitAt(130, 20), CHILDID_SELF);
  EXPECT_TRUE(State(2) & STATE_SYSTEM_INVISIBLE);
  EXPECT_FALSE(State(1) & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE));
  under.SetEnabled(false);
  EXPECT_TRUE(State(1) & STATE_SYSTEM_UNAVAILABLE);
}

// A window owned by the host is none of its children: with the focus there,
// the host's client object has no focused child (GetParent would give the
// owner and take the popup for one).
TEST_F(ElementAccessibilityTest, TheFocusInAnOwnedPopupIsNoChildsFocus) {
  Label label;
  label.Create({.parent = host.hwnd(), .bounds = {0, 0, 50, 20}, .text = "Метка"}, LabelLook{});
  host.Show();
  const HWND popup = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 20,
                                     host.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(popup, nullptr);
  SetFocus(popup);
  ASSERT_EQ(GetFocus(), popup);
  void* object = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(host.hwnd(), static_cast<DWORD>(OBJID_CLIENT),
                                       __uuidof(IAccessible), &object),
            S_OK);
  auto* client = static_cast<IAccessible*>(object);
  VARIANT focus{};
  EXPECT_EQ(client->get_accFocus(&focus), S_FALSE);
  EXPECT_EQ(focus.vt, VT_EMPTY);
  VariantClear(&focus);
  client->Release();
  DestroyWindow(popup);
}

std::vector<std::tuple<DWORD, HWND, LONG, LONG>> gEvents;
HWND gWatched = nullptr;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                          DWORD) {
  if (window == gWatched && object == OBJID_CLIENT)
    gEvents.emplace_back(event, window, object, child);
}

// Each change is told as a system control tells it: the event, the parent's
// client object and the element's child id.
TEST_F(ElementAccessibilityTest, ScreenReadersAreToldOfEachChange) {
  Label first, second;
  Add(first, "Один", {10, 10, 100, 20}, Look(kOwnColour));
  Add(second, "Два", {10, 40, 100, 20}, Look(kOwnColour));
  ShowPainted();
  gEvents.clear();
  const HWND panel = host.panel.hwnd();
  gWatched = panel;
  const HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_NAMECHANGE, nullptr, RecordEvent,
                      GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  second.SetBounds({20, 40, 100, 20});
  second.SetVisible(false);
  second.SetVisible(true);
  first.SetText("Три");
  {
    Label third;
    Add(third, "Четыре", {10, 70, 100, 20}, Look(kOwnColour));
  }
  testing::PumpMessages(100);
  UnhookWinEvent(hook);
  gWatched = nullptr;
  const LONG client = OBJID_CLIENT;
  EXPECT_EQ(gEvents, (std::vector<std::tuple<DWORD, HWND, LONG, LONG>>{
                         {EVENT_OBJECT_LOCATIONCHANGE, panel, client, 2},
                         {EVENT_OBJECT_HIDE, panel, client, 2},
                         {EVENT_OBJECT_SHOW, panel, client, 2},
                         {EVENT_OBJECT_NAMECHANGE, panel, client, 1},
                         // Added while shown: made and shown; removed: the
                         // children after it are numbered anew.
                         {EVENT_OBJECT_CREATE, panel, client, 3},
                         {EVENT_OBJECT_SHOW, panel, client, 3},
                         {EVENT_OBJECT_REORDER, panel, client, CHILDID_SELF}}));
}

}  // namespace
}  // namespace demodisc
