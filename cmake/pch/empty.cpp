// Compiled only for the precompiled headers of its target.
