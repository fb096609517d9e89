#pragma once
// TWinSkinForm: the skin's hold on one top-level window. It subclasses the
// window, tells the system that the client area sits inside the skin's
// borders, paints the borders, the title bar with its caption and title
// buttons, cuts the window to the shape of the border bitmaps and runs the
// title buttons. The skin manager creates it (owned by the framework form,
// or by the manager for a plain window such as a system dialog), attaches
// it and posts SKM_ATTACH; from then on the window's messages drive it.
//
// Where things are: attaching, the window procedure and its handlers here
// (WinSkinForm.cpp); frame painting and the window region in
// FramePaint.cpp; the title-bar elements, the non-client mouse, the system
// menu and the system commands in TitleBar.cpp; the menu bar in
// WinSkinMenu.cpp, opening its drop-downs in MenuTracking.cpp, menu items
// in MenuItems.cpp; the hand-over of the window's controls to control
// skinning in skin/controls.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/controls/WrapperFactory.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "ui/Component.h"
#include "ui/Gdi.h"
#include "ui/Menus.h"
#include "ui/Subclass.h"
#include "ui/Timer.h"

class TMenuBtn;
class TControl;
class TNCObject;
class TSkinControl;
class TSkinData;
class TWinControl;
class TWinSkinMenu;
class TWinSysButton;
struct TControlPlan;
struct TDispatchContext;
enum class TChildStep : std::uint8_t;

// The frame of the window, by its style.
enum TFrameKind : std::uint8_t { fkSizeable, fkSingle, fkNone, fkDialog };
enum TShowState : std::uint8_t { ssNormal, ssMaximized, ssMinimized };
enum TMDIKind : std::uint8_t { mkPlain, mkFrame, mkChild };
// FBorderIcons bits; biKeepSysMenu: never take WS_SYSMENU away.
enum : std::uint8_t { biMaximize = 1, biMinimize = 2, biHelp = 4, biSystemMenu = 8, biKeepSysMenu = 16 };
// FSkinState: attached, not finished; active; re-skinning; the window is
// being destroyed; adjusting the size while finishing; released.
enum : int { kSkinAttached = 0, kSkinActive = 1, kSkinReskin = 3, kSkinDestroying = 4, kSkinAdjusting = 5,
             kSkinReleased = 6 };

class TWinSkinForm : public TComponent {
  QV_CLASS(TWinSkinForm, TComponent)

  // owner: the framework form (or control) of the window, or none.
  explicit TWinSkinForm(TComponent* owner);
  ~TWinSkinForm() override;

  // FHandle and FClassName are set first.
  void AttachForm(TSkinData* skinData, TWinControl* form);
  void AttachWindow(TSkinData* skinData);
  // Gives the window its system frame back (size, region, style, procedures).
  void Detach();
  // Lets go of a window that is being destroyed: procedures only.
  void ReleaseWindow();
  // Takes up a changed skin.
  void Reskin();
  // Frame sizes and title buttons from the skin.
  void LoadFrameMetrics();
  void FreeTitleButtons();
  // Sizes the window around its client area and the skin's borders.
  void AdjustWindowSize(bool keepClient);
  void UpdateIcon();
  // Takes WS_SYSMENU away (strip) or gives it back.
  void SetSysMenuStyle(bool strip);
  void ReadShowState();

  // Frame painting and the window region (FramePaint.cpp). A null device
  // context: the window's own.
  void PaintFrame(HDC dc);
  // Builds the region for the window's size and gives it to the window,
  // when the size changed, during a re-skin and for MDI children.
  void UpdateRegion();
  // The window's shape at the size, in window coordinates: the inner
  // rectangle and the borders without their magenta pixels where they are
  // transparent; the whole rectangle when no border is.
  TRegionHandle BuildRegion(int width, int height);

  // Title-bar elements (TitleBar.cpp).
  TNCObject* HitTitleElement(POINT point);
  POINT ToWindowPoint(int screenX, int screenY) const;
  void LayoutTitleButtons();
  void ShowSystemMenu(POINT screen);

  // Menus. Opens the button's drop-down under it and tracks it
  // (MenuTracking.cpp).
  void OpenElementMenu(TMenuBtn* button);
  // Owner drawing by the skin for the items of the form's popup menus, and
  // of its main menus' drop-downs, on or off (MenuItems.cpp).
  void SetPopupMenusOwnerDraw(bool on);
  void SetMainMenuOwnerDraw(bool on);
  // Item handlers: measuring, drawing from the skin's MenuItem element, and
  // the parts of an item's face.
  void MeasureMainItem(TObject* sender, TCanvas& canvas, int& width, int& height);
  void MeasurePopupItem(TObject* sender, TCanvas& canvas, int& width, int& height);
  void DrawSkinItem(TObject* sender, TCanvas& canvas, RECT rect, bool selected);
  // An item of a system menu (a stand-in item with its text and state);
  // menu: the menu that shows it.
  void DrawNativeItem(TMenuItem& item, TCanvas& canvas, RECT rect, bool selected, HMENU menu);
  // Without the skin's MenuItem element: the skin's menu colours.
  void DrawPlainItem(TMenuItem& item, TCanvas& canvas, RECT rect, bool selected);
  void DrawItemContent(TMenuItem& item, TCanvas& canvas, RECT rect, bool selected);
  void DrawSeparator(TCanvas& canvas, RECT rect);

  // Control skinning (skin/controls/ControlDispatch.cpp): every control
  // of a framework form, every child window of a plain window, gets the
  // wrapper its class calls for.
  // The form's components, then its windowed controls in tab order.
  void SkinFormControls(TWinControl& form);
  // The owner's components that are controls.
  void SkinComponents(TComponent& owner);
  // The parent's child controls.
  void SkinChildren(TWinControl& parent);
  // One control; container: the form, owner or parent it was found in.
  void SkinControl(TControl& control, TComponent* container);
  // By the skin data's Skin3rd lines: false when they do not name the
  // class (className: upper case).
  bool SkinByKind(const std::string& className, TControl& control);
  // A window that is no framework control (child windows of a dialog, a
  // size grip).
  void SkinWindow(HWND window);
  void SkinChildWindows(HWND window);
  // Adds the wrapper to FControls; true when it was there already.
  bool RegisterControl(TSkinControl* wrapper);
  void UnregisterControl(TSkinControl* wrapper);
  // The control answers SKM_QUERYSKINNED or has a registered wrapper.
  bool IsSkinned(TControl& control) const;
  // The control of the window, created anew, gets a fresh scroll-bar
  // wrapper in place of the one that hooked its old window.
  void ReskinScrollbar(HWND window);

  HWND FHandle = nullptr;
  TWinControl* FForm = nullptr;
  TSkinData* FSkinData = nullptr;
  std::string FClassName;
  bool FUnicode = false;
  bool FSkinFrame = false;
  DWORD FStyle = 0;
  std::uint8_t FBorderIcons = 0;
  TMDIKind FMDIKind = mkPlain;
  TFrameKind FFrameKind = fkSizeable;
  TShowState FShowState = ssNormal;
  int FSkinState = kSkinAttached;
  bool FActive = true;
  bool FRightToLeft = false;
  bool FIsChild = false;
  bool FSystemDialog = false;
  int FLeftWidth = 0, FTitleHeight = 0, FRightWidth = 0, FBottomHeight = 0;
  int FMenuHeight = 0;
  // The client rectangle at attach: its right and bottom are the size kept.
  RECT FOrgClientRect{};
  // Window size minus client size under the system frame at attach.
  SIZE FOrgFrame{};
  RECT FWindowRect{};
  int FPaintWidth = 0, FPaintHeight = 0;
  // Where the caption text and its backdrop were last drawn.
  RECT FCaptionRect{}, FCaptionBackRect{};
  int FRightButtonsLeft = 0;
  std::vector<std::unique_ptr<TWinSysButton>> FTitleButtons;
  TNCObject* FHotElement = nullptr;
  // The window holds a region made from the skin, built for this size.
  bool FHasRegion = false;
  int FRegionWidth = 0, FRegionHeight = 0;
  // The borders as last rendered, by border and frame (active, inactive).
  std::array<std::unique_ptr<TBitmap>, 8> FBorderImages;
  // The window's small icon on magenta.
  TBitmap FIconBitmap;
  int FIconSize = 0;
  TFontHandle FCaptionFont;
  std::wstring FCaptionPrefix = L" ";
  std::wstring FCaptionSuffix = L"  ";
  // Runs while the window is active: hover tracking and button hints.
  TTimer FTimer;
  HMENU FSysMenu = nullptr;
  std::unique_ptr<TPopupMenu> FSysPopup;
  std::unique_ptr<TWinSkinMenu> FMenuBar;
  HMENU FWindowMenu = nullptr;
  HWND FMDIClient = nullptr;
  bool FMenuRefresh = false;
  DWORD FLastSysMenuTick = 0;
  UINT FDoubleClickTime = 0;
  TColor FOrgColor = 0;
  bool FMenuTracking = false;
  // The wrappers of the window's controls, not owned: each is owned by
  // its control (a bare window's by this object) and leaves the list when
  // it is destroyed.
  std::vector<TSkinControl*> FControls;
  // The canvas the wrappers draw with.
  TCanvas FCanvas;
  // Makes the wrapper of a kind (tests put their own in).
  TWrapperFactory FCreateWrapper = &CreateWrapper;

 private:
  void Attach();
  void FinishAttach();
  void Default(TMessage& message) { FSubclass.CallDefault(message); }
  bool Subclassed() const { return FSubclass.Installed(); }
  bool Destroying() const { return FSkinState == kSkinDestroying; }
  bool MaximizedMDIChild() const { return FMDIKind == mkChild && FShowState == ssMaximized; }
  // The form's menus drawn by the system again, and nothing of them bound
  // to this object.
  void ReleaseMenus();
  // The menu bar made for a menu that the window got after the attach, or
  // given up when the window's form lost its menu.
  void AddMenuBar();
  void DropMenuBar();
  // Stops the timer, gives the procedures back and frees the control
  // wrappers (with restore, each first gives its control back its colour,
  // and the form gets its colour back); the common part of Detach and
  // ReleaseWindow.
  void Unhook(bool restore);
  // Frees every control wrapper; with unskin, those whose window still
  // exists switch off first.
  void FreeControls(bool unskin);

  // Carrying out the control dispatch (ControlDispatch.cpp).
  TDispatchContext DispatchContext() const;
  void RunPlan(const TControlPlan& plan, TControl& control);
  void RunChildStep(TChildStep step, const TControlPlan& plan, TControl& control);
  // Makes, sets up and attaches the wrapper; null when its class is not built.
  TSkinControl* Wrap(const TWrapperChoice& choice, TControl& control, std::span<const std::string_view> trueProps = {});

  // The window's procedure and its handlers.
  void WndProc(TMessage& message);
  void OnEraseBkgnd(TMessage& message);
  void OnNCDestroy(TMessage& message);
  void OnCtlColor(TMessage& message);
  void OnQuerySkinned(TMessage& message);
  void OnSize(TMessage& message);
  void OnNCActivate(TMessage& message);
  void OnCommand(TMessage& message);
  void OnNCCalcSize(TMessage& message);
  void OnNCHitTest(TMessage& message);
  void OnNCPaint(TMessage& message);
  void OnMenuChanged(TMessage& message);
  void OnTimer(TObject* sender);
  // TitleBar.cpp.
  void OnSysCommand(TMessage& message);
  void OnNCMouseMove(TMessage& message);
  void OnNCLButtonDown(TMessage& message);
  void OnNCLButtonUp(TMessage& message);
  void OnNCRButtonDown(TMessage& message);
  void OnNCLButtonDblClk(TMessage& message);
  // MenuTracking.cpp, MenuItems.cpp.
  void OnMenuBarClick(TMessage& message);
  void OnMeasureItem(TMessage& message);
  void OnDrawItem(TMessage& message);
  void ComposeItem(TMenuItem& item, TCanvas& canvas, const RECT& rect, bool selected, HMENU menu,
                   bool separatorAsItem);
  // The framework-level procedure of a framework form.
  void FormWndProc(TMessage& message);
  void OnSetText(TMessage& message);
  void OnDialogChar(TMessage& message);
  // The MDI client's procedure of an MDI frame.
  void MDIClientProc(TMessage& message);

  // FramePaint.cpp.
  // A border element rendered at the size, in the current active state.
  TBitmap& RenderBorder(int border, int width, int height);
  // What a composed title bar shows.
  struct TTitleState {
    int Width = -1, Height = -1;
    bool Active = false;
    TShowState Show = ssNormal;
    std::wstring Text;
    // Each title button's visible and enabled bits.
    std::vector<std::uint8_t> Buttons;
    bool operator==(const TTitleState&) const = default;
  };
  // left, right: the side borders just painted (null when minimized).
  void PaintTitle(HDC dc, TBitmap* left, TBitmap* right);
  void ComposeTitle(TBitmap& bitmap, const TTitleState& state, TBitmap* left, TBitmap* right);
  void PaintCaption(TCanvas& canvas, const RECT& title, const std::wstring& text);
  void PaintTitleButtons(HDC dc);
  // FCaptionPrefix, the window text and FCaptionSuffix.
  std::wstring CaptionText() const;
  void SystemMenuClick(TObject* sender);

 public:
  // Title-button actions (TitleBar.cpp), also run by the elements.
  void ToggleMaximize();
  void ToggleMinimize();
  void RestoreWindow();
  // Stops the timer and posts WM_CLOSE, or WM_SYSCOMMAND with the command.
  void PostClose(UINT command);
  // The window icon at the icon button's place.
  void PaintIconButton(HDC dc, const TWinSysButton& button);

 private:
  TWindowSubclass FSubclass;
  TWindowSubclass FMDIClientSubclass;
  TWindowProcHook FFormHook;
  bool FFinished = false;
  // The title bar composed off-screen, inactive and active, with what each
  // shows.
  struct TTitle {
    TTitleState State;
    TBitmap Bitmap;
  };
  std::array<TTitle, 2> FTitles;
  void ForgetTitles() {
    for (TTitle& title : FTitles) title.State = {};
  }
};

// The window's class name, as GetClassNameA gives it.
std::string WindowClassName(HWND window);
// Screen point of a mouse message's lParam.
POINT PointOfLParam(LPARAM lParam);
