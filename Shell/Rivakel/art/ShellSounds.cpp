// The shell's own sounds: a rising chime when the portal opens, a falling one when it closes,
// a short click for buttons and a bubbly pop for boxes that come up.
#include <initializer_list>

#include "art/ArtRegistry.h"

namespace {

using art::Sound;

// A bell-like note: the tone with a quieter octave, a quick attack and a long decay.
Sound Chime(double hertz, double seconds) {
    Sound note = art::Tone(hertz, hertz, seconds);
    art::MixInto(note, art::Tone(hertz * 2, hertz * 2, seconds), 0, 0.3f);
    art::MixInto(note, art::Tone(hertz * 3.01, hertz * 3.01, seconds * 0.5), 0, 0.12f);
    art::Envelope(note, 0.004, 0.05, 5.0);
    return note;
}

Sound Arpeggio(std::initializer_list<double> notes, double step, float pan) {
    Sound out;
    double at = 0;
    for (const double hertz : notes) {
        art::MixInto(out, Chime(hertz, 0.55), at, 0.6f);
        at += step;
    }
    Sound stereo = art::ToStereo(out, pan);
    art::Normalise(stereo, -3.0);
    art::FadeEdges(stereo);
    return stereo;
}

Sound OpenShell() { return Arpeggio({523.25, 659.25, 783.99, 1046.5}, 0.09, -0.1f); }

Sound CloseShell() { return Arpeggio({783.99, 659.25, 523.25, 392.0}, 0.1, 0.1f); }

Sound ButtonClick() {
    Sound click = art::Tone(2200, 1400, 0.045, art::Wave::Triangle);
    art::MixInto(click, art::Noise(0.012, 0.3, 7), 0, 0.5f);
    art::Envelope(click, 0.001, 0.01, 60);
    art::Normalise(click, -3.0);
    art::FadeEdges(click);
    return click;
}

Sound Popup() {
    Sound pop = art::Tone(380, 980, 0.09);
    art::Envelope(pop, 0.003, 0.03, 12);
    Sound sparkle = art::Tone(1568, 1568, 0.12);
    art::Envelope(sparkle, 0.003, 0.06, 25);
    art::MixInto(pop, sparkle, 0.06, 0.35f);
    art::Normalise(pop, -3.0);
    art::FadeEdges(pop);
    return pop;
}

const art::SoundRecipe openShell{"OpenShell.wav", OpenShell};
const art::SoundRecipe closeShell{"CloseShell.wav", CloseShell};
const art::SoundRecipe buttonClick{"BtnClick.wav", ButtonClick};
const art::SoundRecipe popup{"Popup.wav", Popup};

}  // namespace
