// Writes the sounds of the production buildings and their workers as Ogg Vorbis files: the builders'
// hammering, the worker's change of clothes, its grumble and its yes, its farewell when it is let go,
// the thump of goods put into the storehouse, and the bell of a finished run.
// Usage: wf_worker_sounds <media folder>   (the files go to <media folder>/sound)
#include "tools/SoundGenerator/OggWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace
{

constexpr double kPi = 3.14159265358979323846;
constexpr long kRate = 44100;

// One channel being built up, with a seeded noise source so every build writes the same bytes.
class Voice
{
public:
    explicit Voice(double seconds) : mSamples(static_cast<std::size_t>(seconds * kRate)) {}

    std::size_t Frames() const { return mSamples.size(); }
    static double Time(std::size_t frame) { return static_cast<double>(frame) / kRate; }

    void Add(std::size_t frame, double value)
    {
        if (frame < mSamples.size())
        {
            mSamples[frame] += value;
        }
    }
    double NextNoise()
    {
        mNoise = mNoise * 214013u + 2531011u;
        return static_cast<double>((mNoise >> 16) & 0x7fff) / 16383.5 - 1.0;
    }

    // A knock: a short burst of filtered noise over a falling tone, as wood struck by a hammer.
    void Knock(double start, double pitch, double level)
    {
        const auto first = static_cast<std::size_t>(start * kRate);
        double low = 0.0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(0.12 * kRate); ++i)
        {
            const double t = Time(i);
            low += (NextNoise() - low) * 0.25;
            const double tone = std::sin(2.0 * kPi * pitch * t * (1.0 - t * 2.0));
            Add(first + i, level * std::exp(-t * 45.0) * (0.6 * tone + 0.7 * low));
        }
    }

    // A tone gliding from one pitch to another under a soft swell.
    void Glide(double start, double length, double from, double to, double level, double vibrato)
    {
        const auto first = static_cast<std::size_t>(start * kRate);
        double phase = 0.0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(length * kRate); ++i)
        {
            const double t = Time(i);
            const double pitch =
                from * std::pow(to / from, t / length) * (1.0 + vibrato * std::sin(2.0 * kPi * 6.0 * t));
            phase += 2.0 * kPi * pitch / kRate;
            const double envelope = std::min(1.0, t / 0.02) * std::min(1.0, (length - t) / 0.06);
            Add(first + i, level * envelope * (std::sin(phase) + 0.25 * std::sin(2.0 * phase)));
        }
    }

    // A struck bell: inharmonic partials that ring out.
    void Bell(double start, double pitch, double level, double ring)
    {
        const auto first = static_cast<std::size_t>(start * kRate);
        const double partials[][2] = {{1.0, 1.0}, {2.76, 0.45}, {5.4, 0.25}, {8.93, 0.12}};
        for (std::size_t i = 0; i + first < mSamples.size(); ++i)
        {
            const double t = Time(i);
            double value = 0.0;
            for (const auto& partial : partials)
            {
                value += partial[1] * std::sin(2.0 * kPi * pitch * partial[0] * t) *
                         std::exp(-t * partial[0] / ring);
            }
            Add(first + i, level * std::min(1.0, t / 0.003) * value);
        }
    }

    std::vector<float> Samples(double gain) const
    {
        std::vector<float> out(mSamples.size());
        std::transform(mSamples.begin(), mSamples.end(), out.begin(),
                       [gain](double s) { return static_cast<float>(std::tanh(s * gain)); });
        return out;
    }

private:
    std::vector<double> mSamples;
    std::uint32_t mNoise = 7;
};

// Three pairs of hammer blows, the second of each a little higher.
Voice Construction()
{
    Voice voice(1.3);
    for (int pair = 0; pair < 3; ++pair)
    {
        voice.Knock(0.4 * pair, 180.0, 0.9);
        voice.Knock(0.4 * pair + 0.16, 230.0, 0.7);
    }
    return voice;
}

// A rising shimmer of quick high notes.
Voice Magic()
{
    Voice voice(1.1);
    const double notes[] = {784.0, 988.0, 1175.0, 1568.0, 1976.0, 2349.0, 3136.0};
    for (std::size_t k = 0; k < std::size(notes); ++k)
    {
        voice.Bell(0.07 * static_cast<double>(k), notes[k], 0.18, 0.35);
    }
    voice.Glide(0.0, 0.6, 600.0, 2400.0, 0.12, 0.02);
    return voice;
}

// "Uh-uh": two low hummed notes, the second lower.
Voice Grumble()
{
    Voice voice(0.55);
    voice.Glide(0.0, 0.22, 230.0, 210.0, 0.5, 0.03);
    voice.Glide(0.27, 0.26, 200.0, 160.0, 0.5, 0.03);
    return voice;
}

// "Yes!": two bright notes going up.
Voice Yes()
{
    Voice voice(0.45);
    voice.Glide(0.0, 0.14, 520.0, 560.0, 0.45, 0.0);
    voice.Glide(0.16, 0.25, 700.0, 790.0, 0.45, 0.01);
    return voice;
}

// A worker let go: a slow falling glide.
Voice Farewell()
{
    Voice voice(0.7);
    voice.Glide(0.0, 0.65, 660.0, 300.0, 0.4, 0.015);
    return voice;
}

// Goods set down into a box: a dull thump and a small chime.
Voice Thump()
{
    Voice voice(0.45);
    voice.Knock(0.0, 110.0, 1.0);
    voice.Bell(0.05, 1318.0, 0.12, 0.2);
    return voice;
}

// A finished run: two bell strokes.
Voice FinishBell()
{
    Voice voice(1.4);
    voice.Bell(0.0, 880.0, 0.3, 0.5);
    voice.Bell(0.25, 1108.0, 0.3, 0.5);
    return voice;
}

bool Save(const std::filesystem::path& folder, const std::string& name, const Voice& voice)
{
    const std::filesystem::path path = folder / name;
    if (!OggWriter::Write(path.string(), voice.Samples(1.0), 1, kRate, 0.3f))
    {
        std::fprintf(stderr, "wf_worker_sounds: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_worker_sounds <media folder>\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "sound";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool ok = true;
    ok = Save(folder, "construction.ogg", Construction()) && ok;
    ok = Save(folder, "worker_magic.ogg", Magic()) && ok;
    ok = Save(folder, "worker_no.ogg", Grumble()) && ok;
    ok = Save(folder, "worker_yes.ogg", Yes()) && ok;
    ok = Save(folder, "worker_farewell.ogg", Farewell()) && ok;
    ok = Save(folder, "goods_thump.ogg", Thump()) && ok;
    ok = Save(folder, "finish_bell.ogg", FinishBell()) && ok;
    return ok ? 0 : 1;
}
