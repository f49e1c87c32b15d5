#pragma once

// After an undo or redo replaced the image: the grid shows the group the image
// remembers and every open editor shows the restored values at once.
void ShowRestoredImage();
