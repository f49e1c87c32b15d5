#pragma once

// Plays a tone on the default sound device and returns when it has ended or a stop was
// requested. Without a usable device it waits the same time silently.
void SoundDeviceBeep(int hz, int ms);
// Makes Beep play through the sound device unless another player is installed.
void InstallSoundDeviceBeep();
