"""The three sounds the sound library plays, synthesised: PCM, 16 bits,
mono, 22050 Hz. Deterministic: the same script writes the same bytes."""

import math
import struct

RATE = 22050


def _wav(samples):
    data = b''.join(struct.pack('<h', max(-32767, min(32767, int(round(s * 32767))))) for s in samples)
    fmt = struct.pack('<HHIIHH', 1, 1, RATE, RATE * 2, 2, 16)
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + struct.pack('<I', len(data)) + data
    return b'RIFF' + struct.pack('<I', len(body)) + body


def _tone(freq, seconds, gain, attack, decay, noise_mix=0.0):
    n = int(RATE * seconds)
    out = []
    seed = 12345
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / attack) * math.exp(-t / decay) if attack > 0 else math.exp(-t / decay)
        env *= min(1.0, (n - i) / (RATE * 0.008))  # fade out: no click where the note is cut
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        hiss = (seed / 0x3FFFFFFF - 1.0) * noise_mix
        out.append(gain * env * (math.sin(2 * math.pi * freq * t) * (1 - noise_mix) + hiss))
    return out


def button_press():
    """A short mechanical click: a noise burst over a falling 1.8 kHz tick."""
    return _tone(1800, 0.045, 0.55, 0.0005, 0.008, noise_mix=0.35)


def checkbox_press():
    """A softer, higher tick."""
    return _tone(2600, 0.03, 0.3, 0.0005, 0.005, noise_mix=0.15)


def warning():
    """Two-tone chime, high then low, each with a soft bell tail."""
    def note(f, length):
        return [a + 0.35 * b for a, b in zip(_tone(f, length, 0.45, 0.004, 0.16),
                                             _tone(f * 2.01, length, 0.45, 0.004, 0.08))]
    gap = [0.0] * int(RATE * 0.03)
    return note(1175, 0.28) + gap + note(880, 0.42)


SOUNDS = {'Button_Press': button_press, 'Checkbox_Press': checkbox_press, 'Warning': warning}


def render(name):
    return _wav(SOUNDS[name]())
