#include "art/Sound.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string_view>

#include "core/base/ByteOrder.h"

namespace art {

namespace {

size_t FramesFor(double seconds) { return static_cast<size_t>(std::max(0.0, seconds) * kSampleRate + 0.5); }

}  // namespace

float Sound::Peak() const {
    float peak = 0;
    for (const float s : samples) peak = std::max(peak, std::fabs(s));
    return peak;
}

double Sound::PeakDbfs() const {
    const float peak = Peak();
    return peak > 0 ? 20.0 * std::log10(peak) : -std::numeric_limits<double>::infinity();
}

Sound Tone(double from, double to, double seconds, Wave wave) {
    Sound s;
    const size_t frames = FramesFor(seconds);
    s.samples.resize(frames);
    double phase = 0;
    for (size_t i = 0; i < frames; ++i) {
        const double t = frames > 1 ? static_cast<double>(i) / static_cast<double>(frames - 1) : 0;
        phase += (from + (to - from) * t) / kSampleRate;
        phase -= std::floor(phase);
        double v = 0;
        switch (wave) {
            case Wave::Sine: v = std::sin(2 * std::numbers::pi * phase); break;
            case Wave::Square: v = phase < 0.5 ? 0.6 : -0.6; break;
            case Wave::Triangle: v = 4 * std::fabs(phase - 0.5) - 1; break;
            case Wave::Saw: v = (2 * phase - 1) * 0.7; break;
        }
        s.samples[i] = static_cast<float>(v);
    }
    return s;
}

Sound Noise(double seconds, double smoothing, uint32_t seed) {
    Sound s;
    s.samples.resize(FramesFor(seconds));
    uint32_t state = seed == 0 ? 1 : seed;
    float last = 0;
    const float keep = static_cast<float>(std::clamp(smoothing, 0.0, 0.99));
    for (float& sample : s.samples) {
        state = state * 1664525u + 1013904223u;
        const float white = static_cast<float>(state >> 8) / static_cast<float>(1u << 23) - 1.0f;
        last = keep * last + (1 - keep) * white;
        sample = last;
    }
    if (keep > 0) Normalise(s, 0);
    return s;
}

Sound Rest(double seconds) {
    Sound s;
    s.samples.assign(FramesFor(seconds), 0.0f);
    return s;
}

void Envelope(Sound& sound, double attack, double release, double decayPerSecond) {
    const size_t frames = sound.Frames();
    const double a = std::max(1.0, attack * kSampleRate), r = std::max(1.0, release * kSampleRate);
    for (size_t i = 0; i < frames; ++i) {
        const double fromEnd = static_cast<double>(frames - 1 - i);
        double gain = std::min({1.0, static_cast<double>(i) / a, fromEnd / r});
        gain *= std::exp(-decayPerSecond * static_cast<double>(i) / kSampleRate);
        for (int c = 0; c < sound.channels; ++c) sound.samples[i * sound.channels + c] *= static_cast<float>(gain);
    }
}

void FadeEdges(Sound& sound, double seconds) {
    const size_t frames = sound.Frames();
    const size_t ramp = std::min(frames / 2, FramesFor(seconds));
    for (size_t i = 0; i < ramp; ++i) {
        const float gain = static_cast<float>(i) / static_cast<float>(ramp);
        for (int c = 0; c < sound.channels; ++c) {
            sound.samples[i * sound.channels + c] *= gain;
            sound.samples[(frames - 1 - i) * sound.channels + c] *= gain;
        }
    }
}

void MixInto(Sound& sound, const Sound& other, double at, float gain) {
    const size_t start = FramesFor(at) * sound.channels;
    const size_t needed = start + other.Frames() * sound.channels;
    if (sound.samples.size() < needed) sound.samples.resize(needed, 0.0f);
    for (size_t f = 0; f < other.Frames(); ++f)
        for (int c = 0; c < sound.channels; ++c) {
            const float v = other.samples[f * other.channels + std::min(c, other.channels - 1)];
            sound.samples[start + f * sound.channels + c] += v * gain;
        }
}

void Append(Sound& sound, const Sound& other) { MixInto(sound, other, sound.Seconds()); }

void Normalise(Sound& sound, double dbfs) {
    const float peak = sound.Peak();
    if (peak <= 0) return;
    const float scale = static_cast<float>(std::pow(10.0, dbfs / 20.0)) / peak;
    for (float& s : sound.samples) s *= scale;
}

Sound ToStereo(const Sound& mono, float pan) {
    Sound out;
    out.channels = 2;
    const float left = std::sqrt((1 - pan) / 2), right = std::sqrt((1 + pan) / 2);
    out.samples.reserve(mono.Frames() * 2);
    for (size_t f = 0; f < mono.Frames(); ++f) {
        const float v = mono.samples[f * mono.channels];
        out.samples.push_back(v * left * std::sqrt(2.0f));
        out.samples.push_back(v * right * std::sqrt(2.0f));
    }
    return out;
}

Sound Melody(std::initializer_list<double> notes, double step, const std::function<Sound(double)>& voice, float gain) {
    Sound out;
    double at = 0;
    for (const double hertz : notes) {
        MixInto(out, voice(hertz), at, gain);
        at += step;
    }
    return out;
}

Sound ReadyToShip(const Sound& mono, float pan, double lead) {
    Sound padded = Rest(lead);
    Append(padded, mono);
    Sound stereo = ToStereo(padded, pan);
    Normalise(stereo, -3.0);
    FadeEdges(stereo);
    return stereo;
}

std::vector<uint8_t> EncodeWav(const Sound& sound) {
    const int channels = std::clamp(sound.channels, 1, 2);
    const uint32_t dataBytes = static_cast<uint32_t>(sound.Frames() * channels * 2);
    std::vector<uint8_t> out{'R', 'I', 'F', 'F'};
    AppendLe(out, 36 + dataBytes, 4);
    for (const char c : std::string_view("WAVEfmt ")) out.push_back(static_cast<uint8_t>(c));
    AppendLe(out, 16, 4);
    AppendLe(out, 1, 2);  // PCM
    AppendLe(out, static_cast<uint32_t>(channels), 2);
    AppendLe(out, kSampleRate, 4);
    AppendLe(out, static_cast<uint32_t>(kSampleRate * channels * 2), 4);
    AppendLe(out, static_cast<uint32_t>(channels * 2), 2);
    AppendLe(out, 16, 2);
    for (const char c : std::string_view("data")) out.push_back(static_cast<uint8_t>(c));
    AppendLe(out, dataBytes, 4);
    for (size_t i = 0; i < sound.Frames() * channels; ++i) {
        const float v = std::clamp(sound.samples[i], -1.0f, 1.0f);
        AppendLe(out, static_cast<uint32_t>(static_cast<int16_t>(std::lround(v * 32767.0f))), 2);
    }
    return out;
}

}  // namespace art

namespace art {

Sound Repeated(const Sound& sound, int times, double every, float gain) {
    Sound out;
    for (int i = 0; i < times; ++i) MixInto(out, sound, every * i, gain);
    return out;
}

}  // namespace art
