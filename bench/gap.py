"""bench/gap.sh's sums on sound, in three commands:
  tone FOLDER        writes a.wav and b.wav there: a 441 Hz tone cut in two at a sample far from a zero
  wait RECORDING     returns once the recording holds the tone and a second of silence after it
  silence RECORDING  prints the longest run of silent frames within the tone, in milliseconds, and the
                     seconds from the tone's first sound to its last (6 s and that silence, played whole)
A recording is raw s16le stereo at 44100 Hz, as parec writes it."""
import array
import math
import os
import sys
import time
import wave

RATE = 44100
FRAMES = 6 * RATE
CUT = 132300 + 37  # 37 samples into a period of 100: the tone is at 0.73 of its amplitude there
SILENT = 64        # both channels under this: a silent frame
LOUD = 1024        # either channel at least this: the tone (at 16384, or lower at a lower volume)
CROSSING = 2       # the tone's own frames under SILENT at a zero crossing are at most this many in a row


def tone(folder):
    samples = array.array('h')
    for frame in range(FRAMES):
        value = round(16384 * math.sin(2 * math.pi * 441 * frame / RATE))
        samples.extend((value, value))
    for name, part in (('a.wav', samples[:2 * CUT]), ('b.wav', samples[2 * CUT:])):
        with wave.open(os.path.join(folder, name), 'wb') as out:
            out.setnchannels(2)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(part.tobytes())


def wait(recording, limit=30):
    """Returns once the recording holds 5 s of sound and then 1 s of silence, or after the limit."""
    deadline = time.monotonic() + limit
    sound = last = read = 0
    with open(recording, 'rb') as source:
        while time.monotonic() < deadline:
            time.sleep(0.25)
            samples = array.array('h')
            samples.frombytes(source.read(os.path.getsize(recording) // 4 * 4 - 4 * read))
            for i in range(0, len(samples), 2):
                if max(abs(samples[i]), abs(samples[i + 1])) >= SILENT:
                    sound, last = sound + 1, read + i // 2
            read += len(samples) // 2
            if sound >= FRAMES - RATE and read - last >= RATE:
                return
    print('gap.py: no whole tone recorded within %d s' % limit, file=sys.stderr)


def silence(recording):
    samples = array.array('h')
    with open(recording, 'rb') as source:
        samples.frombytes(source.read(os.path.getsize(recording) // 4 * 4))
    loud = [i // 2 for i in range(0, len(samples), 2) if max(abs(samples[i]), abs(samples[i + 1])) >= LOUD]
    if not loud:
        sys.exit('gap.py: no tone in %s' % recording)
    longest = run = 0
    for frame in range(loud[0], loud[-1] + 1):
        if abs(samples[2 * frame]) < SILENT and abs(samples[2 * frame + 1]) < SILENT:
            run += 1
            longest = max(longest, run)
        else:
            run = 0
    print('%.1f %.3f' % (1000 * longest / RATE if longest > CROSSING else 0, (loud[-1] + 1 - loud[0]) / RATE))


if __name__ == '__main__':
    {'tone': tone, 'wait': wait, 'silence': silence}[sys.argv[1]](sys.argv[2])
