#pragma once
// The program's stored skin: the packed default skin that a program linked
// with qv_default_skin carries as its resource DEFAULTSKIN.
#include "ui/Stream.h"

// Fills the stream as a form's stored SkinStream property holds the skin:
// the packed skin's length, then its bytes (length 0 without the resource),
// and moves back to its start.
void StoredSkinStream(TMemoryStream& stream);
