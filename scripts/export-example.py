#!/usr/bin/env python3
"""Makes docs/export-level.svg: the program's pink pseudo-noise through a made-up loudspeaker
(2nd-order high-pass at 55 Hz, +4 dB presence peak at 2.5 kHz, 2nd-order low-pass at 16 kHz),
recorded as a stereo WAV, analysed by terzlab-analyze and exported as SVG.
Usage: scripts/export-example.py BUILD_BIN_DIR"""
import math, os, struct, subprocess, sys, tempfile, wave

RATE = 44100


def biquad(kind, f0, q, gain_db=0.0):
    w = 2 * math.pi * f0 / RATE
    alpha, cw, a = math.sin(w) / (2 * q), math.cos(w), 10 ** (gain_db / 40)
    if kind == "hp":
        b = [(1 + cw) / 2, -(1 + cw), (1 + cw) / 2]
        d = [1 + alpha, -2 * cw, 1 - alpha]
    elif kind == "lp":
        b = [(1 - cw) / 2, 1 - cw, (1 - cw) / 2]
        d = [1 + alpha, -2 * cw, 1 - alpha]
    else:
        b = [1 + alpha * a, -2 * cw, 1 - alpha * a]
        d = [1 + alpha / a, -2 * cw, 1 - alpha / a]
    return [x / d[0] for x in b], [x / d[0] for x in d]


def run(filt, x):
    (b0, b1, b2), (_, a1, a2) = filt
    y, x1, x2, y1, y2 = [], 0.0, 0.0, 0.0, 0.0
    for v in x:
        out = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, v, y1, out
        y.append(out)
    return y


def main():
    bindir = sys.argv[1]
    with wave.open(os.path.join(bindir, "pseudo.wav")) as w:
        frames = w.readframes(w.getnframes())
        period = struct.unpack("<%dh" % (len(frames) // 2), frames)[:: w.getnchannels()]
    x = list(period) * 6
    for f in (biquad("hp", 55, 0.8), biquad("peak", 2500, 1.2, 4.0), biquad("lp", 16000, 0.7)):
        x = run(f, x)
    pcm = [max(-32768, min(32767, round(v * 0.7))) for v in x]
    with tempfile.TemporaryDirectory() as tmp:
        rec = os.path.join(tmp, "box.wav")
        with wave.open(rec, "wb") as w:
            w.setnchannels(2)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(struct.pack("<%dh" % (2 * len(pcm)), *[v for v in pcm for _ in (0, 1)]))
        subprocess.run([os.path.join(bindir, "terzlab-analyze"), "--skip", "1", "--resolution",
                        "6", "--title", "Beispielbox", "--out", os.path.join(tmp, "box.oct"),
                        "--svg", "docs/export-level.svg", rec], check=True)


main()
