#include "skin/window/SkinManage.h"

#include <utility>

#include "skin/data/WinSkinData.h"

namespace {

// A plain pointer, valid during the whole program run and at its end: skin
// data components destroyed after the manager find it empty.
TSkinManage* Manager = nullptr;

// Ends the manager when the program ends.
struct TManagerEnd {
  ~TManagerEnd() { DestroySkinManager(); }
} ManagerEnd;

}  // namespace

void TSkinManage::InstallHook() { FRequests.push_back({TRequest::TKind::InstallHook, FCommandData}); }

void TSkinManage::RegisterSkinData(TSkinData* skinData) {
  FSkinDatas.push_back(skinData);
  if (!FMainSkinData && skinData->SkinFormtype() == sfMainform) FMainSkinData = skinData;
}

void TSkinManage::UnregisterSkinData(TSkinData* skinData) {
  std::erase(FSkinDatas, skinData);
  if (FMainSkinData == skinData) FMainSkinData = nullptr;
  if (FCommandData == skinData) FCommandData = nullptr;
}

void TSkinManage::Schedule(int command, int delay) {
  FCommand = command;
  if (FState == 0) {
    if (command == kSkinAll) FEnabled = true;
    if (command == kUnskinAll) FEnabled = false;
    return;
  }
  FRequests.push_back({TRequest::TKind::StartTimer, FCommandData, command, delay});
}

void TSkinManage::ReloadSkinData() { FRequests.push_back({TRequest::TKind::ReloadSkinData, FCommandData}); }

void TSkinManage::SkinForm(TComponent* form) {
  FRequests.push_back({TRequest::TKind::SkinForm, FCommandData, 0, 0, form});
}

TSkinManage* SkinManager() { return Manager; }

TSkinManage& CreateSkinManager() {
  if (!Manager) Manager = new TSkinManage;
  return *Manager;
}

void DestroySkinManager() {
  if (!Manager) return;
  Manager->FState = 4;
  Manager->FEnabled = false;
  delete std::exchange(Manager, nullptr);
}
