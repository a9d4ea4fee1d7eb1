#pragma once

#include "engine/Util/Singleton.h"
#include "platform/GraphicsDevice.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Korrin
{

class DecodeWorkers;
class Texture;

// Loads every picture once and keeps it by its lower-cased file name with a reference count; makes the
// render textures that screens draw into and brings them back after a device reset.
class TextureManager : public Singleton<TextureManager>
{
public:
    static constexpr int kRenderTextureWidth = 1024;
    static constexpr int kRenderTextureHeight = 768;

    explicit TextureManager(Platform::GraphicsDevice* device);
    ~TextureManager();

    static TextureManager* GetInstance();

    // The texture of that file (any letter case), loaded on the first request; null when it cannot be.
    Texture* GetTexture(const std::string& name);
    // Gives one reference back; the last one unloads the texture.
    void UnloadTexture(Texture* texture);
    Texture* CreateRenderTexture(const std::string& name);
    void ReleaseRenderTextures();
    void RestoreAllTextures();
    void UnloadAll();
    // Keeps every texture loaded now (render textures aside) until ReleaseHeld, so that what is rebuilt
    // from the same pictures in between, such as a level started after a level, finds them loaded
    // instead of reading and decoding them again. A second hold releases the first.
    void HoldAll();
    void ReleaseHeld();

    // From here to FinishDecoding, pictures are decoded by a few threads of their own while the
    // loading goes on (see Texture::Load); FinishDecoding waits for them all and makes their textures.
    // The pictures are the same either way, and nothing waits on the clock.
    void StartDecoding();
    void FinishDecoding();

    std::size_t GetTextureCount() const { return mTextures.size(); }
    const std::vector<Texture*>& GetRenderTextures() const { return mRenderTextures; }

private:
    Platform::GraphicsDevice* mDevice = nullptr;
    std::map<std::string, std::unique_ptr<Texture>> mTextures;
    std::vector<Texture*> mRenderTextures;
    std::vector<Texture*> mHeld;
    std::unique_ptr<DecodeWorkers> mDecodeWorkers;
};

} // namespace Korrin
