#pragma once
// Something that puts captions on air by itself: the watched text file, a data source. Each is
// made with what it needs (the program's queue, where its captions go) and runs until stopped;
// its worker reaches the program's thread only through the queue.
class CaptionSource {
public:
    virtual ~CaptionSource() = default;
    // Ends its work; nothing of it reaches the program's thread afterwards.
    virtual void stop() = 0;
};
