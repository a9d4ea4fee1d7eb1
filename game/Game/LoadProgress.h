#pragma once

// What a long load draws to show how far it got: progress 0 starts the load, 1 ends it.
class LoadProgress
{
public:
    virtual ~LoadProgress() = default;
    virtual void Draw(float progress) = 0;
};
