#pragma once

#include "engine/Log/LogManager.h"

// A trace line of the shop, written only while the log exists.
#define SHOP_LOG(...)                                                                                        \
    do                                                                                                       \
    {                                                                                                        \
        if (Korrin::LogManager* shopLog = Korrin::LogManager::Peek())                                        \
        {                                                                                                    \
            shopLog->Write(__VA_ARGS__);                                                                     \
        }                                                                                                    \
    } while (false)
