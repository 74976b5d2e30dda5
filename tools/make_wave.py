#!/usr/bin/env python3
"""Draws the default kill sound, src/assets/wave/1.wav.

A soft two-note chime, rising a fifth (A5 then E6), about 0.3 s long:
each note a sine with a quiet octave above it for warmth, a 6 ms fade in
and an exponential fade out, so nothing clicks. PCM 22050 Hz, 16-bit,
mono. The output is the same bytes on every run.

    python3 tools/make_wave.py [OUTPUT]     write the file (default: the asset)
    python3 tools/make_wave.py --check      fail when the asset differs
"""

import io
import math
import pathlib
import struct
import sys
import wave

RATE = 22050
PEAK = 0.45  # of full scale: a notification, not an alarm
# (frequency in Hz, start in s, length in s)
NOTES = [(880.0, 0.0, 0.16), (1318.51, 0.11, 0.20)]
FADE_IN = 0.006
TOTAL = 0.31

ASSET = pathlib.Path(__file__).resolve().parent.parent / "src" / "assets" / "wave" / "1.wav"


def note_sample(freq, t, length):
    if t < 0.0 or t >= length:
        return 0.0
    attack = min(1.0, t / FADE_IN)
    decay = math.exp(-5.0 * t / length)
    # The last 15 % of a note fall to zero, so it ends without a click.
    tail = min(1.0, (length - t) / (0.15 * length))
    tone = math.sin(2 * math.pi * freq * t) + 0.25 * math.sin(4 * math.pi * freq * t)
    return attack * decay * tail * tone / 1.25


def render():
    frames = bytearray()
    for i in range(int(TOTAL * RATE)):
        t = i / RATE
        value = sum(note_sample(f, t - start, length) for f, start, length in NOTES)
        sample = max(-32767, min(32767, round(value * PEAK * 32767)))
        frames += struct.pack("<h", sample)
    out = io.BytesIO()
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))
    return out.getvalue()


def main(argv):
    data = render()
    if argv[1:] == ["--check"]:
        if not ASSET.exists() or ASSET.read_bytes() != data:
            print(f"{ASSET} is not what tools/make_wave.py draws", file=sys.stderr)
            return 1
        return 0
    target = pathlib.Path(argv[1]) if len(argv) > 1 else ASSET
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
