#pragma once
// An animated GIF built frame by frame (`kurvo32 render --animate`): the
// frames loop for ever (the NETSCAPE2.0 block with loop count 0), each
// shown for the same delay. Frames share one colour table while their
// colours together fit in 256; a frame that brings more gets a table of
// its own (exact, or by median cut).
#include <QByteArray>
#include <QImage>
#include <memory>
#include <string>

namespace kurvo {

class GifAnimation {
public:
    // `delayMs` is rounded to the GIF's hundredths of a second.
    GifAnimation(int width, int height, int delayMs);
    ~GifAnimation();
    GifAnimation(const GifAnimation&) = delete;
    GifAnimation& operator=(const GifAnimation&) = delete;

    // False (with Error set) when the frame cannot be added; a frame of
    // another size than the animation's is refused.
    bool AddFrame(const QImage& frame);
    // The whole file; empty (with Error set) after a failure.
    QByteArray Finish();
    const std::string& Error() const { return error_; }
    // Frames that needed a colour table of their own.
    int LocalTables() const { return localTables_; }

private:
    struct State;
    std::unique_ptr<State> state_;
    std::string error_;
    int localTables_ = 0;
};

}  // namespace kurvo
