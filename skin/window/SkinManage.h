#pragma once
// The program-wide skin manager: the one object that decides which windows
// are skinned and with which skin data component, and that carries out the
// components' deferred commands (1 skin every form, 2 unskin every form,
// 3 refresh the windows of a component after its skin changed).
//
// This is the part the skin data components talk to: registration, the
// request to install the window hook, switching on, the start counter, the
// command target and the commands. The window hook, the per-window skinning
// objects and the timer that runs deferred commands do not exist yet, so
// this manager skins no window: it keeps its state exactly as the full
// manager will, and records every request it cannot carry out yet in
// Requests(), in order, so that what the components ask of it can be seen.
#include <vector>

class TComponent;
class TSkinData;

// Deferred commands.
enum : int { kSkinAll = 1, kUnskinAll = 2, kRefresh = 3 };

class TSkinManage {
 public:
  // A request that waits for the window hook, the skinning objects or the
  // command timer.
  struct TRequest {
    enum class TKind { InstallHook, StartTimer, ReloadSkinData, SkinForm };
    TKind Kind;
    TSkinData* SkinData = nullptr;  // the command target at the time
    int Command = 0;                // StartTimer: the pending command
    int Delay = 0;                  // StartTimer: milliseconds
    TComponent* Form = nullptr;     // SkinForm
  };

  TSkinManage() = default;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // The window-creation hook for this thread (recorded).
  void InstallHook();
  // Appends to the registered components; the first of scope sfMainform
  // becomes the main one.
  void RegisterSkinData(TSkinData* skinData);
  // Forgets the component, also as main component and command target.
  void UnregisterSkinData(TSkinData* skinData);
  // Command to run after delay milliseconds. Before the first window was
  // activated (start counter 0) nothing is deferred: 1 only switches the
  // manager on, 2 only off. Otherwise the timer would start (recorded).
  void Schedule(int command, int delay);
  // Every window skinned with the command target drops its title buttons,
  // to be rebuilt from the new skin by the next refresh (recorded).
  void ReloadSkinData();
  // Skins the form's window now (recorded).
  void SkinForm(TComponent* form);

  // New windows may be skinned.
  bool FEnabled = false;
  // Start counter: 0 until the first window activation, then 1; components
  // of other scopes add 1 each when loaded; 4 while the manager is destroyed.
  int FState = 0;
  // The pending command and the component it is for.
  int FCommand = 0;
  TSkinData* FCommandData = nullptr;
  // The first registered component of scope sfMainform.
  TSkinData* FMainSkinData = nullptr;
  // Every registered component, in registration order.
  std::vector<TSkinData*> FSkinDatas;

  const std::vector<TRequest>& Requests() const { return FRequests; }

 private:
  std::vector<TRequest> FRequests;
};

// The program's manager, or null when none exists.
TSkinManage* SkinManager();
// The program's manager, created when none exists.
TSkinManage& CreateSkinManager();
// Ends the manager (at program end; tests start afresh with it). Components
// destroyed afterwards find none and skip unregistering.
void DestroySkinManager();
