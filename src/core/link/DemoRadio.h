#pragma once
#include <QString>

class QObject;
class SimulatedRadio;

// The demonstration radio of `--demo`: a simulated radio on a pseudo-terminal holding the
// current image and plausible radio information, pinned as the link's device for the
// run. Null when the pseudo-terminal cannot be opened (the reason in *error).
SimulatedRadio *StartDemoRadio(QObject *parent, QString *error);
