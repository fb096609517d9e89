#pragma once
// The gallery's skin: one skin data component for every window of the
// program, holding the built-in skin or a skin package read from a file,
// and the switch from one to the other that the manager's refresh command
// carries to every skinned window and control.
#include <string>
#include <vector>

class TComponent;
class TSkinData;

// The skin data of the program, owned by owner, with the built-in skin,
// switched on. Drop-down buttons (TMenuButton) get their own face through
// its Skin3rd list.
TSkinData* NewGallerySkin(TComponent* owner);

// Reads the skin package at path and has the manager take it up. When the
// file cannot be read or is not a skin package, the skin stays as it was
// and the result says why; an empty result means the switch is under way.
std::string UseSkinPackage(TSkinData& data, const std::string& path);
// Goes back to the built-in skin.
void UseBuiltInSkin(TSkinData& data);

// The skin packages (*.skin) in the folder "skins" beside the program,
// full paths, sorted by name.
std::vector<std::string> PackagesBesideProgram();
