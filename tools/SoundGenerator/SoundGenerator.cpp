// Writes the sample sounds of the game (short effects and looping music) as Ogg Vorbis files.
// Usage: wf_sound_generator <media folder>   (the files go to <media folder>/sound)
#include "tools/SoundGenerator/OggWriter.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace
{

constexpr double kPi = 3.14159265358979323846;

// Interleaved floating-point samples being built up.
struct Pcm
{
    int channels;
    long rate;
    std::vector<double> samples;

    Pcm(int channelCount, long sampleRate, double seconds)
        : channels(channelCount), rate(sampleRate),
          samples(static_cast<std::size_t>(seconds * static_cast<double>(sampleRate)) *
                  static_cast<std::size_t>(channelCount))
    {
    }
    std::size_t Frames() const { return samples.size() / static_cast<std::size_t>(channels); }
    double Seconds() const { return static_cast<double>(Frames()) / static_cast<double>(rate); }

    // Adds value at frame to both sides, weighted by pan (-1 left .. 1 right); wraps for loops.
    void Add(std::size_t frame, double value, double pan, bool wrap)
    {
        if (frame >= Frames())
        {
            if (!wrap)
            {
                return;
            }
            frame %= Frames();
        }
        if (channels == 1)
        {
            samples[frame] += value;
            return;
        }
        samples[frame * 2] += value * std::sqrt(0.5 * (1.0 - pan));
        samples[frame * 2 + 1] += value * std::sqrt(0.5 * (1.0 + pan));
    }

    std::vector<float> ToFloat(double gain) const
    {
        std::vector<float> out(samples.size());
        for (std::size_t i = 0; i < samples.size(); ++i)
        {
            out[i] = static_cast<float>(std::tanh(samples[i] * gain));
        }
        return out;
    }
};

// A deterministic noise source, the same on every build.
class Noise
{
public:
    double Next()
    {
        mState = mState * 214013u + 2531011u;
        return static_cast<double>((mState >> 16) & 0x7fff) / 16383.5 - 1.0;
    }

private:
    std::uint32_t mState = 1;
};

double NoteFrequency(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// A plucked, slightly bell-like note: a few partials under an exponential decay.
void AddNote(Pcm& pcm, double start, double length, int midiNote, double level, double pan, double brightness,
             bool wrap)
{
    const double frequency = NoteFrequency(midiNote);
    const auto first = static_cast<std::size_t>(start * static_cast<double>(pcm.rate));
    const auto count = static_cast<std::size_t>(length * static_cast<double>(pcm.rate));
    for (std::size_t i = 0; i < count; ++i)
    {
        const double t = static_cast<double>(i) / static_cast<double>(pcm.rate);
        const double attack = std::min(1.0, t / 0.008);
        const double release = std::min(1.0, (length - t) / 0.05);
        const double envelope = attack * release * std::exp(-t * 3.0 / length);
        const double tone = std::sin(2.0 * kPi * frequency * t) +
                            brightness * 0.5 * std::sin(4.0 * kPi * frequency * t) * std::exp(-t * 6.0) +
                            brightness * 0.25 * std::sin(6.0 * kPi * frequency * t) * std::exp(-t * 9.0);
        pcm.Add(first + i, level * envelope * tone, pan, wrap);
    }
}

void AddSweep(Pcm& pcm, double from, double to, double level)
{
    double phase = 0.0;
    const double seconds = pcm.Seconds();
    for (std::size_t i = 0; i < pcm.Frames(); ++i)
    {
        const double t = static_cast<double>(i) / static_cast<double>(pcm.rate);
        const double frequency = from * std::pow(to / from, t / seconds);
        phase += 2.0 * kPi * frequency / static_cast<double>(pcm.rate);
        const double envelope = std::min(1.0, t / 0.01) * std::sin(kPi * t / seconds);
        pcm.Add(i, level * envelope * (std::sin(phase) + 0.3 * std::sin(2.0 * phase)), 0.0, false);
    }
}

Pcm MakeClick()
{
    Pcm pcm(1, 44100, 0.06);
    Noise noise;
    for (std::size_t i = 0; i < pcm.Frames(); ++i)
    {
        const double t = static_cast<double>(i) / static_cast<double>(pcm.rate);
        const double envelope = std::exp(-t * 90.0);
        pcm.Add(i, envelope * (0.6 * std::sin(2.0 * kPi * 1800.0 * t) + 0.3 * noise.Next()), 0.0, false);
    }
    return pcm;
}

Pcm MakeWindowSound(bool show)
{
    Pcm pcm(1, 22050, 0.22);
    AddSweep(pcm, show ? 380.0 : 900.0, show ? 900.0 : 380.0, 0.5);
    return pcm;
}

Pcm MakeSaleChime()
{
    Pcm pcm(2, 44100, 0.8);
    AddNote(pcm, 0.0, 0.5, 88, 0.45, -0.3, 1.0, false);  // E6
    AddNote(pcm, 0.12, 0.68, 93, 0.45, 0.3, 1.0, false); // A6
    return pcm;
}

// The badge landing: a low thud under a bright rising triad.
Pcm MakeRewardLanding()
{
    Pcm pcm(2, 44100, 0.9);
    AddNote(pcm, 0.0, 0.25, 40, 0.6, 0.0, 0.2, false);   // E2
    AddNote(pcm, 0.02, 0.6, 84, 0.35, -0.3, 1.0, false); // C6
    AddNote(pcm, 0.1, 0.6, 88, 0.35, 0.0, 1.0, false);   // E6
    AddNote(pcm, 0.18, 0.7, 91, 0.35, 0.3, 1.0, false);  // G6
    return pcm;
}

// The reward panel appearing: a short fanfare of two rising fifths.
Pcm MakeRewardFanfare()
{
    Pcm pcm(2, 44100, 1.2);
    AddNote(pcm, 0.0, 0.35, 72, 0.4, -0.2, 0.8, false); // C5
    AddNote(pcm, 0.0, 0.35, 79, 0.3, 0.2, 0.8, false);  // G5
    AddNote(pcm, 0.3, 0.85, 77, 0.4, -0.2, 0.8, false); // F5
    AddNote(pcm, 0.3, 0.85, 84, 0.3, 0.2, 0.8, false);  // C6
    return pcm;
}

// A voice: a buzzing glottal tone through two vowel formants, its pitch gliding from one value to
// another; a rising "hm?" answers a click, a falling growl is a grumble. The game plays it faster or
// slower for each voice.
Pcm MakeVoice(double seconds, double fromHz, double toHz, double formant1, double formant2, double roughness)
{
    Pcm pcm(1, 22050, seconds);
    Noise noise;
    double phase = 0.0;
    for (std::size_t i = 0; i < pcm.Frames(); ++i)
    {
        const double t = static_cast<double>(i) / static_cast<double>(pcm.rate);
        const double pitch = fromHz + (toHz - fromHz) * t / seconds;
        phase += pitch / static_cast<double>(pcm.rate);
        const double saw = 2.0 * (phase - std::floor(phase)) - 1.0;
        // The formants as resonances excited once per pitch period.
        const double inPeriod = (phase - std::floor(phase)) / pitch;
        const double vowel = std::exp(-inPeriod * 600.0) * (std::sin(2.0 * kPi * formant1 * inPeriod) +
                                                            0.5 * std::sin(2.0 * kPi * formant2 * inPeriod));
        const double envelope = std::min(1.0, t / 0.03) * std::min(1.0, (seconds - t) / 0.08);
        pcm.Add(i, envelope * (0.5 * vowel + 0.15 * saw + roughness * 0.2 * noise.Next()), 0.0, false);
    }
    return pcm;
}

// The musician's strum: a quick rising chord.
Pcm MakeStrum()
{
    Pcm pcm(2, 44100, 1.0);
    const int notes[] = {55, 59, 62, 67, 71};
    for (int k = 0; k < 5; ++k)
    {
        AddNote(pcm, 0.04 * k, 0.9 - 0.04 * k, notes[k], 0.3, -0.4 + 0.2 * k, 0.9, false);
    }
    return pcm;
}

// The professor's monster eating: three low gulps.
Pcm MakeGulps()
{
    Pcm pcm(1, 22050, 0.9);
    for (int k = 0; k < 3; ++k)
    {
        Pcm gulp(1, 22050, 0.2);
        AddSweep(gulp, 220.0, 90.0, 0.6);
        const auto at = static_cast<std::size_t>(0.3 * k * 22050);
        for (std::size_t i = 0; i < gulp.Frames(); ++i)
        {
            pcm.Add(at + i, gulp.samples[i], 0.0, false);
        }
    }
    return pcm;
}

// Leaves brushed aside: three soft bursts of bright noise, each swelling and dying, as a hand parts a bed.
Pcm MakeLeafRustle()
{
    Pcm pcm(2, 44100, 0.55);
    Noise noise;
    double low = 0.0;
    const double starts[] = {0.0, 0.14, 0.3};
    for (std::size_t i = 0; i < pcm.Frames(); ++i)
    {
        const double t = static_cast<double>(i) / static_cast<double>(pcm.rate);
        double envelope = 0.0;
        for (double start : starts)
        {
            const double local = t - start;
            if (local > 0.0 && local < 0.22)
            {
                envelope += std::sin(kPi * local / 0.22) * std::exp(-local * 8.0);
            }
        }
        const double white = noise.Next();
        low += (white - low) * 0.35;
        // White minus its low part leaves the hiss of leaves; a little of the low part gives them body.
        pcm.Add(i, 0.45 * envelope * ((white - low) + 0.3 * low), 0.3 * std::sin(2.0 * kPi * 3.0 * t), false);
    }
    return pcm;
}

// The well's winch: a ratchet's clicks slowing down, then the wooden knock of the bucket on the rim.
Pcm MakeWellWinch()
{
    Pcm pcm(1, 44100, 0.7);
    Noise noise;
    double at = 0.0;
    for (int k = 0; k < 7; ++k)
    {
        const auto first = static_cast<std::size_t>(at * 44100.0);
        for (std::size_t i = 0; i < static_cast<std::size_t>(0.03 * 44100.0); ++i)
        {
            const double t = static_cast<double>(i) / 44100.0;
            const double tone = std::sin(2.0 * kPi * (1100.0 - 40.0 * k) * t);
            pcm.Add(first + i, std::exp(-t * 160.0) * (0.35 * tone + 0.25 * noise.Next()), 0.0, false);
        }
        at += 0.045 + 0.008 * k;
    }
    const auto knock = static_cast<std::size_t>(0.52 * 44100.0);
    double low = 0.0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(0.15 * 44100.0); ++i)
    {
        const double t = static_cast<double>(i) / 44100.0;
        low += (noise.Next() - low) * 0.2;
        pcm.Add(knock + i, std::exp(-t * 35.0) * (0.5 * std::sin(2.0 * kPi * 170.0 * t) + 0.6 * low), 0.0,
                false);
    }
    return pcm;
}

// Water poured from a bucket: a splash of noise and a few bubbles rising in pitch.
Pcm MakeWaterSplash()
{
    Pcm pcm(2, 44100, 0.8);
    Noise noise;
    double low = 0.0;
    for (std::size_t i = 0; i < pcm.Frames(); ++i)
    {
        const double t = static_cast<double>(i) / static_cast<double>(pcm.rate);
        low += (noise.Next() - low) * 0.12;
        const double envelope = std::min(1.0, t / 0.015) * std::exp(-t * 7.0);
        pcm.Add(i, 0.9 * envelope * low, 0.0, false);
    }
    const double bubbles[][3] = {
        {0.08, 520.0, -0.3}, {0.17, 700.0, 0.2}, {0.27, 610.0, -0.1}, {0.36, 820.0, 0.3}, {0.47, 740.0, 0.0}};
    for (const auto& bubble : bubbles)
    {
        const auto first = static_cast<std::size_t>(bubble[0] * 44100.0);
        double phase = 0.0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(0.07 * 44100.0); ++i)
        {
            const double t = static_cast<double>(i) / 44100.0;
            // A bubble's pitch rises as it closes.
            phase += 2.0 * kPi * bubble[1] * (1.0 + 6.0 * t) / 44100.0;
            pcm.Add(first + i, 0.25 * std::exp(-t * 45.0) * std::sin(phase), bubble[2], false);
        }
    }
    return pcm;
}

// A loop of bars: a bass note per bar and an arpeggio of its chord per beat. Tails wrap to the start,
// so the end joins the beginning without a click.
struct Piece
{
    double beatsPerMinute;
    std::vector<std::vector<int>> chords; // one chord per bar: bass note first
    int beatsPerBar;
    double brightness;
};

Pcm MakeMusic(const Piece& piece)
{
    const double beat = 60.0 / piece.beatsPerMinute;
    const double bar = beat * piece.beatsPerBar;
    Pcm pcm(2, 44100, bar * static_cast<double>(piece.chords.size()));
    for (std::size_t index = 0; index < piece.chords.size(); ++index)
    {
        const std::vector<int>& chord = piece.chords[index];
        const double barStart = bar * static_cast<double>(index);
        AddNote(pcm, barStart, bar, chord[0] - 12, 0.35, 0.0, 0.3, true);
        for (std::size_t note = 1; note < chord.size(); ++note)
        {
            AddNote(pcm, barStart, bar, chord[note], 0.06, 0.0, 0.1, true); // a soft sustained chord
        }
        for (int step = 0; step < piece.beatsPerBar * 2; ++step)
        {
            const std::size_t which = 1 + static_cast<std::size_t>(step) % (chord.size() - 1);
            const int octave = (step / static_cast<int>(chord.size() - 1)) % 2 == 0 ? 12 : 24;
            const double pan = step % 2 == 0 ? -0.4 : 0.4;
            AddNote(pcm, barStart + beat * 0.5 * step, beat * 1.5, chord[which] + octave - 12, 0.18, pan,
                    piece.brightness, true);
        }
    }
    return pcm;
}

bool Save(const std::filesystem::path& folder, const std::string& name, const Pcm& pcm, double gain)
{
    const std::filesystem::path path = folder / name;
    if (!OggWriter::Write(path.string(), pcm.ToFloat(gain), pcm.channels, pcm.rate, 0.3f))
    {
        std::fprintf(stderr, "wf_sound_generator: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_sound_generator <media folder>\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "sound";
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    const Piece menu{92.0, {{48, 60, 64, 67}, {45, 57, 60, 64}, {41, 57, 60, 65}, {43, 55, 59, 62}}, 4, 0.6};
    const Piece track1{
        112.0, {{50, 62, 65, 69}, {46, 58, 62, 65}, {48, 60, 64, 67}, {45, 57, 61, 64}}, 4, 0.8};
    const Piece track2{
        100.0, {{43, 55, 59, 62}, {40, 52, 55, 59}, {36, 48, 52, 55}, {38, 50, 54, 57}}, 3, 0.7};
    const Piece track3{
        120.0, {{45, 57, 60, 64}, {41, 53, 57, 60}, {48, 55, 60, 64}, {43, 55, 59, 62}}, 4, 0.9};

    bool ok = true;
    ok = Save(folder, "click.ogg", MakeClick(), 1.0) && ok;
    ok = Save(folder, "show_window.ogg", MakeWindowSound(true), 1.0) && ok;
    ok = Save(folder, "hide_window.ogg", MakeWindowSound(false), 1.0) && ok;
    ok = Save(folder, "sale.ogg", MakeSaleChime(), 1.0) && ok;
    ok = Save(folder, "add_reward.ogg", MakeRewardLanding(), 1.0) && ok;
    ok = Save(folder, "show_reward_window.ogg", MakeRewardFanfare(), 1.0) && ok;
    ok = Save(folder, "voice_hm.ogg", MakeVoice(0.35, 130.0, 190.0, 500.0, 1500.0, 0.1), 1.0) && ok;
    ok = Save(folder, "voice_grumble.ogg", MakeVoice(0.6, 120.0, 80.0, 600.0, 1000.0, 0.5), 1.0) && ok;
    ok = Save(folder, "strum.ogg", MakeStrum(), 1.0) && ok;
    ok = Save(folder, "gulps.ogg", MakeGulps(), 1.0) && ok;
    ok = Save(folder, "leaf_rustle.ogg", MakeLeafRustle(), 1.0) && ok;
    ok = Save(folder, "well_winch.ogg", MakeWellWinch(), 1.0) && ok;
    ok = Save(folder, "water_splash.ogg", MakeWaterSplash(), 1.0) && ok;
    ok = Save(folder, "mainmenu.ogg", MakeMusic(menu), 1.2) && ok;
    ok = Save(folder, "track1.ogg", MakeMusic(track1), 1.2) && ok;
    ok = Save(folder, "track2.ogg", MakeMusic(track2), 1.2) && ok;
    ok = Save(folder, "track3.ogg", MakeMusic(track3), 1.2) && ok;
    return ok ? 0 : 1;
}
