#include "engine/Render/TextureManager.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/DecodeWorkers.h"
#include "engine/Render/Texture.h"
#include "engine/Util/ValueText.h"

#include <algorithm>
#include <thread>

namespace Korrin
{

TextureManager::TextureManager(Platform::GraphicsDevice* device) : mDevice(device) {}

TextureManager::~TextureManager()
{
    UnloadAll();
}

TextureManager* TextureManager::GetInstance()
{
    return CheckedInstance("TextureManager::mSingleton==NULL", kEngineModule,
                           "Source\\Render\\TextureManager", 30);
}

Texture* TextureManager::GetTexture(const std::string& name)
{
    const std::string key = ToLower(name);
    if (const auto found = mTextures.find(key); found != mTextures.end())
    {
        found->second->SetReferenceCount(found->second->GetReferenceCount() + 1);
        return found->second.get();
    }
    auto texture = std::make_unique<Texture>(mDevice);
    if (!texture->Load(key, mDecodeWorkers.get()))
    {
        LogManager::GetInstance()->Write("NULL %s", key.c_str());
        return nullptr;
    }
    Texture* loaded = texture.get();
    mTextures.emplace(key, std::move(texture));
    return loaded;
}

void TextureManager::UnloadTexture(Texture* texture)
{
    if (texture == nullptr)
    {
        return;
    }
    const auto entry = std::find_if(mTextures.begin(), mTextures.end(),
                                    [texture](const auto& pair) { return pair.second.get() == texture; });
    if (entry == mTextures.end())
    {
        LogManager::GetInstance()->Write("Texture not find");
        return;
    }
    if (texture->GetReferenceCount() > 0)
    {
        texture->SetReferenceCount(texture->GetReferenceCount() - 1);
        return;
    }
    LogManager::GetInstance()->Write("Unload Texture: %s", entry->first.c_str());
    // A render texture leaves the list too, so that no later reset touches it.
    std::erase(mRenderTextures, texture);
    mTextures.erase(entry);
}

Texture* TextureManager::CreateRenderTexture(const std::string& name)
{
    const std::string key = ToLower(name);
    auto texture = std::make_unique<Texture>(mDevice);
    // A second texture under a name already held would orphan the first one's holders.
    if (mTextures.contains(key) || !texture->CreateRenderTarget(kRenderTextureWidth, kRenderTextureHeight))
    {
        LogManager::GetInstance()->Write("Create RenderTexture Failed: %s ", name.c_str());
        return nullptr;
    }
    Texture* created = texture.get();
    mRenderTextures.push_back(created);
    mTextures.emplace(key, std::move(texture));
    return created;
}

void TextureManager::ReleaseRenderTextures()
{
    for (Texture* texture : mRenderTextures)
    {
        texture->Release();
    }
}

void TextureManager::RestoreAllTextures()
{
    LogManager::GetInstance()->Write("RestoreAllTextures - begin");
    for (Texture* texture : mRenderTextures)
    {
        if (!texture->CreateRenderTarget(static_cast<int>(texture->GetWidth()),
                                         static_cast<int>(texture->GetHeight())))
        {
            LogManager::GetInstance()->Write("Restore RenderTexture Failed");
        }
    }
    LogManager::GetInstance()->Write("RestoreAllTextures - end");
}

void TextureManager::UnloadAll()
{
    for (const auto& [name, texture] : mTextures)
    {
        LogManager::GetInstance()->Write("Unload Texture: %s", name.c_str());
        texture->Release();
    }
    mTextures.clear();
    mRenderTextures.clear();
    mHeld.clear();
}

void TextureManager::HoldAll()
{
    ReleaseHeld();
    for (const auto& [name, texture] : mTextures)
    {
        if (std::find(mRenderTextures.begin(), mRenderTextures.end(), texture.get()) == mRenderTextures.end())
        {
            texture->SetReferenceCount(texture->GetReferenceCount() + 1);
            mHeld.push_back(texture.get());
        }
    }
}

void TextureManager::ReleaseHeld()
{
    std::vector<Texture*> held;
    held.swap(mHeld);
    for (Texture* texture : held)
    {
        UnloadTexture(texture);
    }
}

void TextureManager::StartDecoding()
{
    if (!mDecodeWorkers)
    {
        mDecodeWorkers =
            std::make_unique<DecodeWorkers>(DecodeWorkers::ThreadsFor(std::thread::hardware_concurrency()));
    }
}

void TextureManager::FinishDecoding()
{
    for (const auto& [name, texture] : mTextures)
    {
        if (texture->IsDecoding())
        {
            texture->GetDeviceTexture();
        }
    }
    mDecodeWorkers.reset();
}

} // namespace Korrin
