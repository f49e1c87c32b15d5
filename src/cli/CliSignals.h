#pragma once

// SIGINT and SIGTERM end the application's event loop cleanly (QCoreApplication::quit),
// through a self-pipe watched on the event loop, so destructors run and ports close.
void QuitOnTerminationSignals();
