#pragma once
// The number of GDI objects the process holds right now: GetGuiResources
// where the system implements it; under Wine, where it is a stub, the
// entries in use of the process's GDI handle table.
int LiveGdiObjects();
