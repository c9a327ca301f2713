#include <cmath>
#include <vector>

#include "ui/platform/qt_platform.h"

#ifdef NUMEREL_HAVE_ALSA
#include <alsa/asoundlib.h>
#endif

namespace numerel::ui {

bool PlaySineTone(int hertz, int milliseconds) {
#ifdef NUMEREL_HAVE_ALSA
    constexpr unsigned kRate = 44100;
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) return false;
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1,
                           100000) < 0) {
        snd_pcm_close(pcm);
        return false;
    }
    const std::size_t frames = static_cast<std::size_t>(kRate) * milliseconds / 1000;
    std::vector<short> samples(frames);
    const double step = 2.0 * M_PI * hertz / kRate;
    for (std::size_t i = 0; i < frames; ++i)
        samples[i] = static_cast<short>(12000 * std::sin(step * static_cast<double>(i)));
    std::size_t done = 0;
    while (done < frames) {
        const snd_pcm_sframes_t written = snd_pcm_writei(pcm, samples.data() + done, frames - done);
        if (written < 0) {
            if (snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0) break;
            continue;
        }
        done += static_cast<std::size_t>(written);
    }
    snd_pcm_drain(pcm);
    snd_pcm_close(pcm);
    return done == frames;
#else
    (void)hertz;
    (void)milliseconds;
    return false;
#endif
}

}  // namespace numerel::ui
