#pragma once
#include <functional>

class QEventLoop;

// Playback of tone tips: the tone tip recorded for playback, the stop request, and the
// waits between tones. Every wait runs a local event loop (the window stays responsive
// and the processor idle) and ends early when a stop is requested.

// Plays one tone and returns when it has ended (or a stop was requested). The desktop
// program installs a sound-device player; without one the tone is a silent wait of the
// same length. nullptr restores the silent default.
using BeepFunction = std::function<void(int hz, int ms)>;
void SetBeepFunction(BeepFunction beep);
bool HasBeepFunction();
void Beep(int hz, int ms);

struct BeepState {
    int CurrentTip = 1;        // tone tip shown in the tone tip editor, 1..8
    bool StopTone = false;     // ends playback before the next tone
    int playTip = 0;           // recorded by PrepareTip
    int playLoops = 0;
    int playIntervalMs = 0;
};
BeepState &Beeper();
void ResetBeeper();            // tests: state and beep function back to their defaults

// Sum of the step lengths of tone tip n in ms (0 for n outside 1..8).
int TipDuration(int n);
// Clears the stop request and records n with its loop count and interval; true when the
// tip lasts longer than 4 ms.
bool PrepareTip(int n);
// Plays the recorded tip: every step afresh from the image, tones through Beep, pauses
// as waits; the interval after each repetition.
void PlayTip(int n);

// Sets StopTone and ends a wait or tone in progress.
void RequestStopTone();
// Waits the given time with the event loop running; ends early on a stop request made
// while waiting. Negative times do not wait.
void WaitSeconds(double seconds);
// Runs the loop until it quits, the time-out passes or a stop is requested; for tone
// players that end their own loop when the sound has played.
void RunStoppableLoop(QEventLoop &loop, int timeoutMs);
