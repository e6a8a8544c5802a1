#!/usr/bin/env python3
"""Writes the seed corpus of design files, valid and broken, built here from
the record layout alone (not by the program's own writer)."""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def single(v):
    return struct.pack("<f", v)


def text(s):
    return struct.pack("<H", len(s)) + s


def design(offset_state=0.0, values=(38.5, 24, 8, 12.5, 16.5, -5, 30, 37, 40, 50),
           project=b"Project Info", project_state=0.0, unit=b"GHz", pad_to=None, junk=b"\0"):
    records = [single(offset_state)] + [single(v) for v in values]
    records += [text(project), single(project_state)]
    out = b"".join(r + junk * (125 - len(r)) for r in records)[: 13 * 125]
    out = out.ljust(13 * 125, b"\0") + text(unit)
    if pad_to:
        out = out.ljust(pad_to, b"\xa5")
    return out


def extended(*texts, signature=None):
    """A padded design followed by the signature and "name=value" records."""
    records = [signature or b"KESTREL-EXT 1 %d" % len(texts)] + list(texts)
    return design(pad_to=1750) + b"".join(text(t).ljust(125, b"\0") for t in records)


def patched(data, at, new):
    data = bytearray(data.ljust(at + len(new), b"\0"))
    data[at:at + len(new)] = new
    return bytes(data)


SEEDS = {
    "valid-default.kst": design(),
    "valid-padded.kst": design(pad_to=1750, junk=b"\x7f"),
    "valid-longer.kst": design(pad_to=4096),
    "valid-tracking-mhz.kst": design(1.0, (-12.25, 1e-3, 0, 1e7, 3.4e38, -1, 0.1, 2, 3, 4),
                                     b"", 1.0, b"MHz"),
    "valid-latin1-project.kst": design(project=bytes(range(0x80, 0xFB)), unit=b"KHz"),
    "valid-half-states.kst": design(0.5, project_state=1.49),
    "valid-ext-values.kst": extended(b"cboLOHar=10", b"txtPlanGuard= 0.5", b"gridIMT(2)=,1,>90,,,,,,,,",
                                     b"gridIMT(2,6)=-3,,,,", b"txtFuture=x", b"txtLOFreq=99"),
    "broken-ext-signature.kst": extended(b"cboLOHar=10", signature=b"KESTREL-EXT one 1"),
    "broken-ext-list-item.kst": extended(b"cboLOHar=11"),
    "broken-ext-negative-guard.kst": extended(b"txtPlanGuard=-1"),
    "broken-ext-short-row.kst": extended(b"gridIMT(2)=1,2"),
    "broken-ext-duplicate.kst": extended(b"cboSteps=5", b"cboSteps=5"),
    "broken-empty.kst": b"",
    "broken-one-record.kst": design()[:125],
    "broken-unit-cut.kst": design()[:1629],
    "broken-unit-length-cut.kst": design()[:1626],
    "broken-unit-beyond-end.kst": patched(design(), 1625, b"\x05\x00"),
    "broken-project-124.kst": patched(design(), 1375, b"\x7c\x00"),
    "broken-project-ffff.kst": patched(design(pad_to=1750), 1375, b"\xff\xff"),
    "broken-unit-124.kst": patched(design(pad_to=1750), 1625, b"\x7c\x00"),
    "broken-check-two.kst": design(2.0),
    "broken-check-one-and-half.kst": design(project_state=1.5),
    "broken-check-nan.kst": patched(design(), 0, b"\x00\x00\xc0\x7f"),
    "broken-value-infinite.kst": design(values=(38.5, float("inf"), 8, 12.5, 16.5, -5, 30, 37, 40, 50)),
    "broken-value-nan.kst": patched(design(), 1250, b"\x00\x00\xc0\xff"),
    "broken-unit-lower.kst": design(unit=b"ghz"),
    "broken-unit-hz.kst": design(unit=b"Hz"),
    "broken-unit-empty.kst": design(unit=b""),
}

if __name__ == "__main__":
    os.makedirs(HERE, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)
    print(f"{len(SEEDS)} seeds written to {HERE}")
