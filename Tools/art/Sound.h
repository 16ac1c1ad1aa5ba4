// Sounds at 22050 Hz as floating-point samples (-1 to 1), with small synthesis helpers and the
// WAV writer (16-bit PCM, mono or stereo).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace art {

inline constexpr int kSampleRate = 22050;

enum class Wave { Sine, Square, Triangle, Saw };

struct Sound {
    int channels = 1;
    std::vector<float> samples;  // interleaved when stereo

    size_t Frames() const { return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0; }
    double Seconds() const { return static_cast<double>(Frames()) / kSampleRate; }
    float Peak() const;          // the largest magnitude
    double PeakDbfs() const;     // 20 log10(peak); -inf for silence
};

// A tone whose frequency glides from `from` to `to` hertz over `seconds`.
Sound Tone(double from, double to, double seconds, Wave wave = Wave::Sine);
// White noise, or with `smoothing` (0 to 1) darker noise.
Sound Noise(double seconds, double smoothing = 0, uint32_t seed = 1);
// Silence.
Sound Rest(double seconds);

// Attack and release ramps with exponential decay of `decayPerSecond` between them.
void Envelope(Sound& sound, double attack, double release, double decayPerSecond = 0);
// 5 ms ramps at both ends so that nothing clicks.
void FadeEdges(Sound& sound, double seconds = 0.005);
// Adds `other` (scaled by `gain`) starting at `at` seconds, growing the sound as needed.
void MixInto(Sound& sound, const Sound& other, double at, float gain = 1.0f);
// Appends `other`.
void Append(Sound& sound, const Sound& other);
// One note after another, `step` seconds apart, each made by `voice` from its frequency and mixed
// in at `gain`; notes may ring on into the next ones.
Sound Melody(std::initializer_list<double> notes, double step, const std::function<Sound(double)>& voice, float gain);
// Scales the sound so that its peak is `dbfs` (for example -3).
void Normalise(Sound& sound, double dbfs = -3.0);
// A mono sound placed in stereo with `pan` from -1 (left) to 1 (right).
Sound ToStereo(const Sound& mono, float pan = 0);
// `times` copies of the sound, one every `every` seconds, each mixed at `gain`.
Sound Repeated(const Sound& sound, int times, double every, float gain);
// The notes one after another, `step` seconds apart, each voiced by `voice` and mixed at `gain`.
Sound Melody(std::initializer_list<double> hertz, double step, const std::function<Sound(double)>& voice,
             float gain);

// Ready to ship: `lead` seconds of silence first (so the fade-in never eats an attack), placed
// in stereo at `pan`, peaking at -3 dBFS, with faded edges.
Sound ReadyToShip(const Sound& mono, float pan = 0, double lead = 0);

std::vector<uint8_t> EncodeWav(const Sound& sound);

}  // namespace art
