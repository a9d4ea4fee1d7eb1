#include "game/GUI/CompeteBoard.h"

#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Profile.h"

#include <algorithm>
#include <array>
#include <string>

namespace
{

struct Starter
{
    std::uint32_t id;
    float speed;
};
constexpr std::array<Starter, 5> kStarters{{{11, 2.7f}, {10, 2.6f}, {12, 2.49f}, {14, 1.05f}, {13, 2.0f}}};
constexpr std::int32_t kFinalStoryStage = 5;
constexpr std::uint32_t kFirstRivalId = 10;
constexpr std::uint32_t kLastRivalId = 14;

template <typename T>
void Release(T*& drawable)
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (drawable != nullptr && sprites != nullptr)
    {
        sprites->DeleteSprite(drawable);
    }
    drawable = nullptr;
}

// The rivals' pace after an elimination: the further the player already is, the faster they must go to
// finish with the last level; the divisor stays at least 1 past that point.
float Pace(float levelsLeft)
{
    return 70.0f / std::max(levelsLeft, 1.0f);
}

bool IsLeaving(const CompeteRival& rival)
{
    return rival.state == CompeteRival::kLeaving || rival.state == CompeteRival::kGone;
}

} // namespace

CompeteBoard::CompeteBoard() = default;

CompeteBoard::~CompeteBoard()
{
    Release(mMount);
    Release(mIcons);
    Release(mJointBorder);
    Release(mProgress);
    Release(mProgressMount);
}

void CompeteBoard::Init()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    mMount = sprites->LoadAnimatedSprite("CompeteBoardMount", kScript);
    mIcons = sprites->LoadAnimatedSprite("EmulousIcons", kScript);
    mJointBorder = sprites->LoadSprite("JointBorder", kScript);
    mProgress = sprites->LoadSprite("Progress", kScript);
    mProgressMount = sprites->LoadSprite("ProgressMount", kScript);
}

void CompeteBoard::Reset()
{
    mRivals.clear();
    for (std::size_t rank = 0; rank < kStarters.size(); ++rank)
    {
        auto rival = std::make_unique<CompeteRival>();
        rival->id = kStarters[rank].id;
        rival->speed = kStarters[rank].speed;
        rival->score = kStartScore;
        rival->alpha = 1.0f;
        rival->state = CompeteRival::kIdle;
        rival->position = RowPlace(rank);
        rival->target = rival->position;
        mRivals.push_back(std::move(rival));
    }
}

Korrin::Vector2 CompeteBoard::RowPlace(std::size_t rank) const
{
    return {mPosition.x + 50.0f, mPosition.y + 51.0f * static_cast<float>(rank)};
}

bool CompeteBoard::EachHeadsForItsOwnRow() const
{
    std::uint32_t taken = 0; // a bit per row; the board never holds more than five rivals
    for (const auto& rival : mRivals)
    {
        bool found = false;
        for (std::size_t rank = 0; rank < mRivals.size() && rank < 32 && !found; ++rank)
        {
            const std::uint32_t bit = 1u << rank;
            if ((taken & bit) == 0 && rival->target == RowPlace(rank))
            {
                taken |= bit;
                found = true;
            }
        }
        if (!found)
        {
            return false;
        }
    }
    return true;
}

Korrin::Vector2 CompeteBoard::DrawnPlace(std::size_t rank) const
{
    if (rank >= mRivals.size())
    {
        return RowPlace(rank);
    }
    // The file keeps the places as read, so that the board saves back byte for byte.
    return EachHeadsForItsOwnRow() ? mRivals[rank]->position : RowPlace(rank);
}

int CompeteBoard::GetIconFrame(std::uint32_t id)
{
    switch (id)
    {
    case 10:
        return 0;
    case 11:
        return 2;
    case 12:
        return 1;
    case 13:
        return 4;
    case 14:
        return 3;
    default:
        Korrin::ReportAndBreak(("Unknown id! id - " + std::to_string(id)).c_str(), Korrin::kGameModule,
                               "Source\\GUI\\CompeteBoard", 635);
        return -1;
    }
}

bool CompeteBoard::Update(float dt)
{
    if (!IsShown())
    {
        return false;
    }
    for (const auto& rival : mRivals)
    {
        rival->Update(dt);
    }
    if (mPendingRemoval >= 0 && static_cast<std::size_t>(mPendingRemoval) < mRivals.size() &&
        mRivals[static_cast<std::size_t>(mPendingRemoval)]->state == CompeteRival::kGone)
    {
        mRivals.resize(static_cast<std::size_t>(mPendingRemoval));
        mPendingRemoval = -1;
        mBusy = true;
    }
    if (UpdateExchange())
    {
        return true;
    }
    if (mBusy)
    {
        mFadeTimer -= dt;
        if (mFadeTimer < 0.0f)
        {
            ++mStage;
            mFadeTimer = 0.0f;
            mBusy = false;
            for (const auto& rival : mRivals)
            {
                rival->score = kStartScore;
            }
        }
    }
    else
    {
        mFadeTimer = 1.0f;
    }
    return true;
}

bool CompeteBoard::UpdateExchange()
{
    const auto count = static_cast<std::int32_t>(mRivals.size());
    if (mSwapFirst < 0)
    {
        for (std::int32_t i = 0; i < count; ++i)
        {
            for (std::int32_t j = i + 1; j < count; ++j)
            {
                CompeteRival& upper = *mRivals[static_cast<std::size_t>(i)];
                CompeteRival& lower = *mRivals[static_cast<std::size_t>(j)];
                // A rival leaving the race keeps its place until it is gone: an exchange would stop its
                // leaving, and the board would wait for it for ever.
                if (IsLeaving(upper) || IsLeaving(lower))
                {
                    continue;
                }
                if (lower.score > upper.score)
                {
                    upper.state = CompeteRival::kExchanging;
                    lower.state = CompeteRival::kExchanging;
                    upper.target = lower.position;
                    lower.target = upper.position;
                    upper.verticalSpeed = (upper.target.y - upper.position.y) / CompeteRival::kSwapSeconds;
                    lower.verticalSpeed = (lower.target.y - lower.position.y) / CompeteRival::kSwapSeconds;
                    mSwapFirst = i;
                    mSwapSecond = j;
                    return true;
                }
            }
        }
        return false;
    }
    if (mSwapFirst >= count || mSwapSecond >= count || mSwapSecond < 0)
    {
        mSwapFirst = -1;
        mSwapSecond = -1;
        return false;
    }
    CompeteRival& first = *mRivals[static_cast<std::size_t>(mSwapFirst)];
    if (first.alpha <= CompeteRival::kSwapAlpha && first.state == CompeteRival::kExchanging)
    {
        std::swap(mRivals[static_cast<std::size_t>(mSwapFirst)],
                  mRivals[static_cast<std::size_t>(mSwapSecond)]);
        mRivals[static_cast<std::size_t>(mSwapFirst)]->state = CompeteRival::kFadingIn;
        mRivals[static_cast<std::size_t>(mSwapSecond)]->state = CompeteRival::kFadingIn;
    }
    else if (first.alpha >= 1.0f)
    {
        mRivals[static_cast<std::size_t>(mSwapSecond)]->state = CompeteRival::kIdle;
        first.state = CompeteRival::kIdle;
        mSwapFirst = -1;
        mSwapSecond = -1;
    }
    return true;
}

void CompeteBoard::LevelCompleted(std::uint32_t highestLevel)
{
    if (mBusy)
    {
        return;
    }
    for (const auto& rival : mRivals)
    {
        rival->score = std::min(rival->score + rival->speed, kFinish);
        if (rival->score == kFinish)
        {
            ++mFinishCounter;
        }
    }
    if (mStage == 0 && mFinishCounter >= 3)
    {
        FirstElimination(highestLevel);
        mFinishCounter = 0;
    }
    else if (mStage == 1 && mFinishCounter >= 2)
    {
        SecondElimination(highestLevel);
        mFinishCounter = 0;
    }
    if (++mCompletions == 3)
    {
        mCompletions = 0;
        if (mStage == 0 && mRivals.size() >= 5)
        {
            const float third = mRivals[3]->speed;
            mRivals[3]->speed = mRivals[4]->speed + 0.03f;
            mRivals[4]->speed = third;
        }
        else if (mStage == 2 && mRivals.size() >= 2)
        {
            std::swap(mRivals[0]->speed, mRivals[1]->speed);
        }
    }
}

void CompeteBoard::FirstElimination(std::uint32_t highestLevel)
{
    const float pace = Pace(62.0f - static_cast<float>(highestLevel));
    for (std::size_t rank = 0; rank < mRivals.size(); ++rank)
    {
        CompeteRival& rival = *mRivals[rank];
        if (rank >= 3)
        {
            rival.state = CompeteRival::kLeaving;
            continue;
        }
        rival.score = kStartScore;
        if (rival.id == 10)
        {
            rival.speed = pace + 2.0f;
        }
        else if (rival.id == 11)
        {
            rival.speed = pace;
        }
    }
    mPendingRemoval = 3;
}

void CompeteBoard::SecondElimination(std::uint32_t highestLevel)
{
    const float pace = Pace(67.0f - static_cast<float>(highestLevel));
    if (mRivals.size() >= 2)
    {
        mRivals[0]->speed = pace;
        mRivals[1]->speed = pace + 0.01f;
    }
    if (mRivals.size() >= 3)
    {
        mRivals[2]->state = CompeteRival::kLeaving;
    }
    mPendingRemoval = 2;
}

void CompeteBoard::Draw()
{
    const Profile* profile = Profile::Peek();
    if (!IsShown() || (profile != nullptr && profile->storyStage == kFinalStoryStage))
    {
        return;
    }
    const int boardX = Korrin::CheckedInteger<int>(mPosition.x);
    const int boardY = Korrin::CheckedInteger<int>(mPosition.y);
    if (mMount != nullptr && mMount->GetFrameCount() > 0)
    {
        const std::size_t last = mMount->GetFrameCount() - 1;
        mMount->SetColour(1.0f, 1.0f, 1.0f, mFadeTimer);
        mMount->DrawFrame(static_cast<std::uint16_t>(std::min<std::size_t>(mStage, last)), boardX, boardY);
        if (mBusy)
        {
            mMount->SetColour(1.0f, 1.0f, 1.0f, 1.0f - mFadeTimer);
            mMount->DrawFrame(static_cast<std::uint16_t>(std::min<std::size_t>(mStage + 1, last)), boardX,
                              boardY);
        }
        mMount->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    }
    for (std::size_t rank = 0; rank < mRivals.size(); ++rank)
    {
        const CompeteRival& rival = *mRivals[rank];
        const Korrin::Vector2 at = DrawnPlace(rank);
        const int x = Korrin::CheckedInteger<int>(at.x);
        const int y = Korrin::CheckedInteger<int>(at.y);
        if (mProgressMount != nullptr)
        {
            mProgressMount->SetColour(1.0f, 1.0f, 1.0f, rival.alpha);
            mProgressMount->Draw(x + 13, y + 21);
        }
        if (mProgress != nullptr)
        {
            Korrin::Rect source = mProgress->GetSrcRect();
            source.left = source.right - 1.45f * rival.score;
            mProgress->SetSrcRectF(source);
            mProgress->SetColour(1.0f, 1.0f, 1.0f, rival.alpha);
            mProgress->Draw(x + 32, y + 28);
        }
        if (rank + 1 < mRivals.size() && mJointBorder != nullptr)
        {
            const std::size_t shade = mSwapFirst >= 0 && static_cast<std::size_t>(mSwapFirst) < mRivals.size()
                                          ? static_cast<std::size_t>(mSwapFirst)
                                          : rank;
            mJointBorder->SetColour(1.0f, 1.0f, 1.0f, mRivals[shade]->alpha);
            mJointBorder->Draw(boardX + 86, boardY + 43 + 50 * static_cast<int>(rank));
        }
        if (mIcons != nullptr && mIcons->GetFrameCount() > 0)
        {
            const int frame = GetIconFrame(rival.id);
            const std::size_t last = mIcons->GetFrameCount() - 1;
            mIcons->SetColour(1.0f, 1.0f, 1.0f, rival.alpha);
            mIcons->DrawFrame(
                static_cast<std::uint16_t>(
                    frame < 0 ? last : std::min<std::size_t>(static_cast<std::size_t>(frame), last)),
                x + 22, y + 8);
        }
    }
}

ProgressBoardRecord::Rivals CompeteBoard::Capture() const
{
    ProgressBoardRecord::Rivals record;
    record.shown = shown;
    record.stage = mStage;
    for (const auto& rival : mRivals)
    {
        record.entries.push_back({rival->id, rival->state, rival->speed, rival->score, rival->position.x,
                                  rival->position.y, rival->flag, rival->alpha, rival->verticalSpeed,
                                  rival->target.x, rival->target.y, rival->phase});
    }
    record.x = mPosition.x;
    record.y = mPosition.y;
    record.busy = mBusy ? 1 : 0;
    record.fadeTimer = mFadeTimer;
    record.swapFirst = mSwapFirst;
    record.swapSecond = mSwapSecond;
    record.finishCounter = mFinishCounter;
    record.pendingRemoval = mPendingRemoval;
    return record;
}

void CompeteBoard::Restore(const ProgressBoardRecord::Rivals* record, std::uint32_t highestLevel)
{
    mFadeTimer = 1.0f;
    mStage = 0;
    mBusy = false;
    mSwapFirst = -1;
    mSwapSecond = -1;
    mPendingRemoval = -1;
    mFinishCounter = 0;
    mPosition = {10.0f, 10.0f};
    shown = 0;
    Reset();
    if (record == nullptr)
    {
        return;
    }
    shown = record->shown;
    mStage = record->stage;
    for (std::size_t rank = 0; rank < record->entries.size() && rank < mRivals.size(); ++rank)
    {
        const ProgressBoardRecord::Rival& saved = record->entries[rank];
        CompeteRival& rival = *mRivals[rank];
        // A file names only the race's five rivals and their five states; anything else keeps the
        // starter of that rank, so that a foreign record can never reach the icons' report.
        if (saved.id >= kFirstRivalId && saved.id <= kLastRivalId)
        {
            rival.id = saved.id;
        }
        rival.state = saved.state <= CompeteRival::kGone ? saved.state : CompeteRival::kIdle;
        rival.speed = saved.speed;
        rival.score = saved.score;
        rival.position = {saved.x, saved.y};
        rival.flag = saved.flag;
        rival.alpha = saved.alpha;
        rival.target = {saved.targetX, saved.targetY};
        rival.phase = saved.phase;
        rival.verticalSpeed = (rival.target.y - rival.position.y) / CompeteRival::kSwapSeconds;
    }
    mPosition = {record->x, record->y};
    mBusy = record->busy != 0;
    mFadeTimer = record->fadeTimer;
    mSwapFirst = record->swapFirst;
    mSwapSecond = record->swapSecond;
    mFinishCounter = record->finishCounter;
    mPendingRemoval = record->pendingRemoval;
    if (!EachHeadsForItsOwnRow())
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write(
                "CompeteBoard: the saved rivals head for no rows of their own; each is drawn on its row");
        }
    }
    if (mPendingRemoval == 3)
    {
        FirstElimination(highestLevel);
    }
    else if (mPendingRemoval == 2)
    {
        SecondElimination(highestLevel);
    }
    if (mStage == 1 && mRivals.size() > 3)
    {
        mRivals.resize(3);
    }
    else if (mStage >= 2 && mRivals.size() > 2)
    {
        mRivals.resize(2);
    }
}
