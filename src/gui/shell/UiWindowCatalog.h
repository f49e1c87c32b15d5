#pragma once

// Registers the factory of every child window, so windows open by name.
void RegisterAllWindows();
