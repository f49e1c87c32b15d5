#pragma once

// Builds the default image of a new document for the current model and band, copies it
// to the saved copy and loads the default data file of the Init directory over it.
void BuildNewImage();
// The built-in defaults only (no default file): used by BuildNewImage and the generators.
void BuildBuiltInDefaults();
void SetDefaultToneTips();
