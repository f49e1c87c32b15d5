#include "DemoRadio.h"

#include "LinkState.h"
#include "MemoryMap.h"
#include "PortList.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "SimulatedRadio.h"

SimulatedRadio *StartDemoRadio(QObject *parent, QString *error)
{
    auto *radio = new SimulatedRadio(parent);
    if (!radio->start(error)) {
        delete radio;
        return nullptr;
    }
    RadioImage image = Image();
    QByteArray memory(kTransferBytes, '\0');
    PackImageInto(image, memory);
    radio->memory = memory;
    radio->band = Run().BandMode;
    radio->setDemoInfo();
    PinRunDevice(radio->devicePath());
    return radio;
}
