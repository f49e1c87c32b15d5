#pragma once

struct RadioImage;

// True when the working image differs from the saved copy in anything the user can
// change (the reserved fields are left out).
bool IsModified(const RadioImage &working, const RadioImage &saved);
bool IsModified();   // Image() against Saved()

// Stamps the working model record and copies the image to the saved copy.
void SaveToSavedCopy();
// Copies the saved copy to the working image and takes model and band from it.
// False (nothing changed) when the saved band mode is not 0..2.
bool LoadFromSavedCopy();
