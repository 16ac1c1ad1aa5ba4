// Slorrow's sounds: a brass-band family of wet splats, whooshes and fanfares.
#include "art/ArtRegistry.h"

namespace {

using art::Sound;

Sound Finish(const Sound& sound) { return art::ReadyToShip(sound, 0, 0.006); }

Sound Brass(double hertz, double seconds) {
    Sound note = art::Tone(hertz, hertz, seconds, art::Wave::Square);
    art::MixInto(note, art::Tone(hertz * 1.5, hertz * 1.5, seconds, art::Wave::Triangle), 0, 0.4f);
    art::Envelope(note, 0.01, 0.06, 2);
    return note;
}

Sound Fanfare(std::initializer_list<double> notes, double step) {
    Sound out;
    double at = 0;
    for (const double hertz : notes) {
        art::MixInto(out, Brass(hertz, step * 1.4), at, 0.35f);
        at += step;
    }
    return Finish(out);
}

Sound Switch() {
    Sound click = art::Tone(900, 1300, 0.06, art::Wave::Triangle);
    art::Envelope(click, 0.002, 0.03, 20);
    return Finish(click);
}

Sound Throw() {
    Sound rush = art::Noise(0.25, 0.4, 4);
    art::Envelope(rush, 0.04, 0.12, 5);
    Sound swish = art::Tone(900, 300, 0.22, art::Wave::Triangle);
    art::Envelope(swish, 0.02, 0.1, 8);
    art::MixInto(rush, swish, 0, 0.3f);
    return Finish(rush);
}

Sound Splat(double pitch, uint32_t seed) {
    Sound thump = art::Tone(pitch, pitch * 0.4, 0.2);
    art::Envelope(thump, 0.002, 0.12, 12);
    Sound wet = art::Noise(0.18, 0.7, seed);
    art::Envelope(wet, 0.001, 0.12, 16);
    art::MixInto(thump, wet, 0, 0.9f);
    return Finish(thump);
}

Sound HitCandidate() {
    Sound out = Splat(220, 8);
    Sound oof = art::Tone(330, 180, 0.25, art::Wave::Square);
    art::Envelope(oof, 0.01, 0.1, 6);
    art::MixInto(out, oof, 0.06, 0.3f);
    return Finish(out);
}

const art::SoundRecipe buttonSwitch{"button_switch_press.wav", Switch};
const art::SoundRecipe throwMud{"candidate_throw_mud.wav", Throw};
const art::SoundRecipe gameOpen{"gameopen.wav", [] { return Fanfare({392, 523.25, 659.25, 783.99}, 0.12); }};
const art::SoundRecipe gameStart{"game_start_temp.wav", [] { return Fanfare({523.25, 659.25, 783.99}, 0.08); }};
const art::SoundRecipe hitCandidate{"mud_hit_candidate.wav", HitCandidate};
const art::SoundRecipe hitLand{"mud_hit_land.wav", [] { return Splat(140, 3); }};

}  // namespace
