"""CHIRP's own generic CSV radio as a client of the program's CSV files.

Runs with the system's Python and the distribution's CHIRP package, without a display:
    load FILE.csv               load the file as CHIRP does; print what it made of it
    resave IN.csv OUT.csv       load a file and save it again, as CHIRP's File > Save As
    make OUT.csv                save memories made in CHIRP with every kind of setting

Prints one JSON object. CHIRP opens files with mode 'rU', which Python 3.11 refuses:
this process maps that mode to 'r' (CHIRP's parsing code is left as it is).
"""
import builtins
import json
import sys

_open = builtins.open


def _open_without_universal_mode(file, mode="r", *args, **kwargs):
    if isinstance(mode, str) and "U" in mode:
        mode = mode.replace("U", "") or "r"
    return _open(file, mode, *args, **kwargs)


builtins.open = _open_without_universal_mode

from chirp import chirp_common  # noqa: E402
from chirp.drivers import generic_csv  # noqa: E402


def memory_dict(mem):
    return {
        "number": mem.number, "name": mem.name, "freq": mem.freq, "duplex": mem.duplex,
        "offset": mem.offset, "tmode": mem.tmode, "rtone": mem.rtone, "ctone": mem.ctone,
        "dtcs": mem.dtcs, "rx_dtcs": mem.rx_dtcs, "cross_mode": mem.cross_mode,
        "dtcs_polarity": mem.dtcs_polarity, "mode": mem.mode, "skip": mem.skip,
        "comment": mem.comment,
    }


def load(path):
    radio = generic_csv.CSVRadio(path)
    memories = [m for m in radio.get_memories() if not m.empty]
    return {"errors": radio.errors, "memories": [memory_dict(m) for m in memories]}


def resave(source, target):
    radio = generic_csv.CSVRadio(source)
    radio.save(target)
    return {"errors": radio.errors}


def memory(number, freq, **settings):
    mem = chirp_common.Memory()
    mem.number = number
    mem.freq = freq
    for key, value in settings.items():
        setattr(mem, key, value)
    return mem


def make(target):
    radio = generic_csv.CSVRadio(None)
    radio.erase_memory(0)
    memories = [
        memory(0, 29600000),
        memory(1, 29620000, duplex="-", offset=100000, tmode="Tone", rtone=88.5),
        memory(2, 29680000, duplex="+", offset=500000, tmode="TSQL", ctone=100.0, rtone=100.0),
        memory(3, 28500000, tmode="DTCS", dtcs=754, mode="AM"),
        memory(4, 28505000, tmode="Cross", rtone=67.0, ctone=123.0, skip="S"),
        memory(5, 29500000, duplex="split", offset=29600000, mode="NFM"),
        memory(6, 28100000, mode="AM", skip="S", comment="Club net; NB=perhaps; TSQ=On"),
    ]
    for mem in memories:
        radio.set_memory(mem)
    radio.save(target)
    return {"errors": radio.errors, "memories": [memory_dict(m) for m in memories]}


def main(argv):
    command = argv[1]
    if command == "load":
        result = load(argv[2])
    elif command == "resave":
        result = resave(argv[2], argv[3])
    elif command == "make":
        result = make(argv[2])
    else:
        raise SystemExit("unknown command " + command)
    print(json.dumps(result))


if __name__ == "__main__":
    main(sys.argv)
