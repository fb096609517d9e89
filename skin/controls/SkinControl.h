#pragma once
// TSkinControl: the base of the wrappers that paint a standard control
// with the skin. A wrapper does not replace its control: it takes the
// control's messages first, lets the control's own processing run and then
// paints over the control (frame, face or whole window) from the skin.
//
// A wrapper is a component owned by the control it wraps (InitControl: the
// control's WindowProc is replaced), or by the form skinner for a bare
// window without a framework control (InitHandle: the window is subclassed
// through a thunk, W or A calls by IsWindowUnicode). It registers in its
// form skinner's list of wrappers, which tells it when the skin changes and
// frees it when skinning of the window ends. It gives back what it replaced
// when it is destroyed, whichever goes first, it or its control.
//
// Where things are: attaching, the message handler and the property access
// by name here (SkinControl.cpp); the drawing operations the wrapper classes
// share in SkinControlDraw.cpp.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

#include "ui/Canvas.h"
#include "ui/Color.h"
#include "ui/Component.h"
#include "ui/Messages.h"
#include "ui/Subclass.h"

class TBitmap;
class TControl;
class TDataSkinObject;
class TSkinData;
class TWinSkinForm;

// FState: constructed; attached; the window has had its final non-client
// destroy message.
enum : int { kWrapperNew = 0, kWrapperAttached = 1, kWrapperDestroyed = 6 };

class TSkinControl : public TComponent {
  QV_CLASS(TSkinControl, TComponent)

  // owner: the control to wrap, or the form skinner for a bare window.
  explicit TSkinControl(TComponent* owner);
  // Gives the control its WindowProc back, or the window its procedure,
  // and leaves the form skinner's list.
  ~TSkinControl() override;

  // Attaches to the owner, a framework control: its WindowProc is replaced,
  // with setColor its Color becomes the skin's control colour. Once only.
  virtual void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas);
  // Attaches to a bare window: its procedure is replaced. Once only.
  virtual void InitHandle(HWND window, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas);
  // Switches skin drawing off and gives the control its colour back; the
  // messages then go straight to the control.
  virtual void Unskin();
  // Before the control's own processing: true lets the message go on to
  // it (and to AfterProc), false ends it here with the result set.
  virtual bool BeforeProc(TMessage& message);
  // After the control's own processing.
  virtual void AfterProc(TMessage& message);
  // Paints over the window: into dc, or into the window's own DC when dc
  // is null.
  virtual void PaintControl(HDC dc);
  // The class's drawing over the whole window: rect is the window
  // rectangle at the origin (window coordinates). Nothing in the base.
  virtual void DrawControl(HDC dc, const RECT& rect);
  // The skin was replaced or reloaded: colours again, and a repaint.
  virtual void SkinChange();

  // Runs the control's own processing of the message.
  void CallDefault(TMessage& message);
  // Invalidates the window (or FPaintControl) and updates it at once.
  void Repaint();
  void FillColor(HDC dc, const RECT& rect, TColor color) const;
  // With the skin's control colour (ButtonFace).
  void FillSkinColor(HDC dc, const RECT& rect) const;
  // With ParentColor().
  void FillParentColor(HDC dc, const RECT& rect) const;
  // The parent control's published Color where it has one, else the skin's
  // control colour.
  TColor ParentColor() const;
  TColor SkinColor() const;
  LONG GetWindowLongFor(HWND window, int index) const;
  // Hands a left-button press that the wrapper keeps from the control to
  // the control's MouseDown (OnMouseDown still fires), with the shift state
  // of its key flags; a control larger than 32768 pixels gets the cursor's
  // place instead of the message's 16-bit coordinates.
  void ForwardMouseDown(const TMessage& message) const;
  // The control wants its parent's look behind its face: its Tag is 5555,
  // or the skin's Options have xoTransparent.
  bool ParentBackgroundWanted() const;
  // The focus rectangle around FCaption as DrawText lays it out in rect
  // with flags (DT_CENTER, DT_RIGHT ...), one pixel higher than exact
  // centring, two pixels wider and one higher than the text on each side,
  // never outside rect.
  void DrawFocusText(HDC dc, UINT flags, const RECT& rect) const;

  // The wrapper's own answer to WM_PAINT: DrawControl over the window.
  void PaintByDraw(TMessage& message);
  // The wrapper's own answer to WM_ERASEBKGND: the parent's look under the
  // control (a bare window: the parent colour). Result 1.
  void EraseByParent(TMessage& message);
  // Frame index (1-based) of the element's frameCount frames side by side,
  // as a nine-grid with the element's margins and Tile flag, magenta
  // transparent when the element's Trans is 1.
  void DrawSkinElement(HDC dc, const RECT& rect, int frameCount, int frameIndex, TDataSkinObject& element) const;
  // Frame index of frameCount frames side by side, stretched to rect,
  // magenta transparent: onto a canvas, or onto a device context.
  void DrawSkinFrame(TCanvas& canvas, const RECT& rect, int frameCount, int frameIndex, TBitmap& bitmap) const;
  void DrawSkinFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex, TBitmap& bitmap) const;
  // The text in the plain style of the canvas's font, vertically centred
  // one pixel high; align 1 centres it, otherwise DrawText's alignment in
  // rect (DT_LEFT, DT_RIGHT); grey when not enabled; transparent.
  void DrawCaption(TCanvas& canvas, const RECT& rect, UINT align, bool enabled, const std::wstring& text) const;
  // The text with an image of the list before it (none for index -1 or an
  // image not narrower than rect): 3 pixels from the left (align 0),
  // centred (1) or 2 from the right (2), never nearer than 1 to the left
  // edge, vertically centred; grey when the control is disabled. images is
  // the window's own list (a system image list handle), or null.
  void DrawCaptionImage(TCanvas& canvas, const RECT& rect, int align, const std::wstring& text, int imageIndex,
                        HIMAGELIST images) const;
  // flags plus DT_RTLREADING when the control (or FPaintControl) reads
  // right to left.
  UINT TextFlagsFor(UINT flags) const;

  // Published properties of any object by name; a null object, a missing
  // property or one of another kind gives the neutral value.
  // An Integer property; -1 otherwise.
  static int GetOrdPropByName(const TObject* object, std::string_view name);
  // The identifier of an enumeration's (or Boolean's) value; empty otherwise.
  static std::string GetEnumPropByName(const TObject* object, std::string_view name);
  // A string property, as wide text; empty otherwise.
  static std::wstring GetTextPropByName(const TObject* object, std::string_view name);
  static TObject* GetObjectPropByName(const TObject* object, std::string_view name);
  // An Integer from its text, an enumeration by identifier, a string to
  // the text; other kinds, and texts that are no value of the property,
  // leave it as it is.
  static void SetPropFromText(TObject* object, std::string_view name, std::string_view value);

  // The form skinner's canvas, not owned.
  TCanvas* FCanvas = nullptr;
  // The window text of a bare window, read when attached.
  std::wstring FCaption;
  // The bare window's procedure replaced by the wrapper's thunk.
  TWindowSubclass FObjectInstance;
  bool FActive = true;
  bool FUnicode = false;
  TSkinData* FSkinData = nullptr;
  HWND FHandle = nullptr;
  // The control's WindowProc replaced by the wrapper's handler.
  TWindowProcHook FOldWindowProc;
  // The wrapped control (the owner); null for a bare window.
  TControl* FControl = nullptr;
  // Screen coordinates, at the last paint.
  RECT FWindowRect{};
  // A control invalidated by Repaint instead of the window (windowless
  // wrappers set it).
  TControl* FPaintControl = nullptr;
  // The wrapper recolours the control with the skin's control colour.
  bool FSetColor = false;
  TColor FOldColor = 0;
  bool FInited = false;
  int FState = kWrapperNew;
  // The form skinner the wrapper is registered with, not owned.
  TWinSkinForm* FForm = nullptr;
  // Variant for the wrapper class (set by the dispatcher before attaching),
  // or its drawing state.
  int FKind = 0;

 protected:
  // Every message of the wrapped window or control.
  void WndProc(TMessage& message);
};
