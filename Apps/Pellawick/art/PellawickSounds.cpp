// Pellawick's sounds: the ballpark's own small family of organ blips, whooshes and coins.
// Each peaks at -3 dBFS and fades in and out.
#include "art/ArtRegistry.h"

namespace {

using art::Sound;

// A few silent milliseconds first, so the fade-in never eats an attack.
Sound Finish(const Sound& sound) { return art::ReadyToShip(sound, 0, 0.006); }

// A short stadium-organ note: square and sine together, quick decay.
Sound Organ(double hertz, double seconds) {
    Sound note = art::Tone(hertz, hertz, seconds, art::Wave::Square);
    art::MixInto(note, art::Tone(hertz * 2, hertz * 2, seconds), 0, 0.6f);
    art::Envelope(note, 0.004, 0.04, 6);
    return note;
}

// "Hey, over here!": two rising organ blips.
Sound OneWantsFood() {
    Sound out;
    art::MixInto(out, Organ(660, 0.09), 0, 0.4f);
    art::MixInto(out, Organ(880, 0.14), 0.1, 0.4f);
    return Finish(out);
}

// A snack leaving the hand: a quick airy whoosh that falls.
Sound ThrowSound() {
    Sound rush = art::Noise(0.22, 0.35, 5);
    art::Envelope(rush, 0.03, 0.12, 6);
    Sound swish = art::Tone(1400, 500, 0.2, art::Wave::Triangle);
    art::Envelope(swish, 0.02, 0.1, 8);
    art::MixInto(rush, swish, 0, 0.25f);
    return Finish(rush);
}

// Splat: a soft thump, a wet noise burst and a falling "bonk".
Sound PlayerHit() {
    Sound thump = art::Tone(160, 60, 0.18);
    art::Envelope(thump, 0.002, 0.1, 14);
    Sound splat = art::Noise(0.16, 0.6, 9);
    art::Envelope(splat, 0.001, 0.1, 18);
    art::MixInto(thump, splat, 0, 0.8f);
    Sound bonk = art::Tone(520, 260, 0.25, art::Wave::Triangle);
    art::Envelope(bonk, 0.005, 0.1, 7);
    art::MixInto(thump, bonk, 0.05, 0.5f);
    return Finish(thump);
}

// A coin into the till: two bright bell strikes.
Sound CatchMoney() {
    Sound out;
    for (const auto& [hertz, at] : {std::pair{1975.5, 0.0}, std::pair{2637.0, 0.07}}) {
        Sound bell = art::Tone(hertz, hertz, 0.3);
        art::MixInto(bell, art::Tone(hertz * 2.76, hertz * 2.76, 0.15), 0, 0.25f);
        art::Envelope(bell, 0.001, 0.08, 11);
        art::MixInto(out, bell, at, 0.5f);
    }
    return Finish(out);
}

// A carton onto the tray: a woody pop.
Sound Restock() {
    Sound pop = art::Tone(420, 300, 0.08, art::Wave::Sine);
    art::Envelope(pop, 0.001, 0.05, 40);
    Sound knock = art::Noise(0.03, 0.7, 3);
    art::Envelope(knock, 0.001, 0.02, 60);
    art::MixInto(pop, knock, 0, 0.6f);
    return Finish(pop);
}

// A sneaker on a concrete step.
Sound PlayerMove() {
    Sound step = art::Noise(0.06, 0.5, 21);
    art::Envelope(step, 0.001, 0.04, 45);
    Sound squeak = art::Tone(1800, 2100, 0.04, art::Wave::Sine);
    art::Envelope(squeak, 0.003, 0.02, 30);
    art::MixInto(step, squeak, 0.01, 0.15f);
    return Finish(step);
}

const art::SoundRecipe oneWantsFood{"snd-one_wants_food.wav", OneWantsFood};
const art::SoundRecipe throwSound{"snd-throw.wav", ThrowSound};
const art::SoundRecipe playerHit{"snd-player_hit.wav", PlayerHit};
const art::SoundRecipe catchMoney{"snd-catch_money.wav", CatchMoney};
const art::SoundRecipe restock{"snd-restock.wav", Restock};
const art::SoundRecipe playerMove{"snd-player_move2.wav", PlayerMove};

}  // namespace
