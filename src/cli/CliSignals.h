#pragma once
#include <functional>

// SIGINT, SIGTERM and SIGHUP end the application's event loop cleanly (QCoreApplication::quit),
// through a self-pipe watched on the event loop, so destructors run and ports close.
void QuitOnTerminationSignals();
// The same signals call `handler` on the event loop instead (once per signal).
void OnTerminationSignals(std::function<void()> handler);
