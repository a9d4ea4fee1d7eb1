#include "tools/CharacterPictures/LuaFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace LuaFiles
{

namespace
{

const PartPicture* PartOf(const std::vector<PartPicture>& parts, BoneId bone)
{
    for (const PartPicture& part : parts)
    {
        if (part.bone == bone)
        {
            return &part;
        }
    }
    return nullptr;
}

std::string Pair(float x, float y)
{
    return "{ " + Number(x) + ", " + Number(y) + " }";
}

class SkeletonWriter
{
public:
    SkeletonWriter(const Look& look, const Pose& rest, const std::vector<PartPicture>& parts,
                   const std::string& carryTable, const std::string& carryFile)
        : mLook(look), mBones(BonesOf(look)), mKeys(KeysOf(GeometryOf(look.rig), rest)), mParts(parts),
          mCarryTable(carryTable), mCarryFile(carryFile)
    {
    }

    void Children(std::ostringstream& out, BoneId parent, const std::string& indent) const
    {
        for (const BoneId bone : mBones)
        {
            if (bone == kRoot || Bone(bone).parent != parent)
            {
                continue;
            }
            const BoneKey& key = mKeys[bone];
            out << indent << "{\n";
            out << indent << "    Name = \"" << Bone(bone).name << "\", Pos = " << Pair(key.x, key.y)
                << ", Z = " << Number(Bone(bone).depth) << ",\n";
            if (bone == kCarry)
            {
                out << indent << "    Rot = { 0, 0 }, Sprite = { \"" << mCarryTable << "\", \"" << mCarryFile
                    << "\" },\n";
            }
            else if (const PartPicture* part = PartOf(mParts, bone))
            {
                out << indent << "    Rot = "
                    << Pair(static_cast<float>(part->frameWidth) / 2.0f - part->anchorX,
                            static_cast<float>(part->frameHeight) / 2.0f - part->anchorY)
                    << ", Sprite = { \"" << TableName(bone) << "\", \"" << mLook.stem << "_skel.lua\" },\n";
            }
            Children(out, bone, indent + "    ");
            out << indent << "},\n";
        }
    }

    std::string TableName(BoneId bone) const { return mLook.stem + "_" + Bone(bone).name; }

private:
    const Look& mLook;
    std::vector<BoneId> mBones;
    std::array<BoneKey, kBoneCount> mKeys;
    const std::vector<PartPicture>& mParts;
    std::string mCarryTable;
    std::string mCarryFile;
};

// The correction of the carry bone in an animation that carries: its place on the front arm.
BoneKey CarryPlace(const Look& look, const Motion& motion)
{
    return KeysOf(GeometryOf(look.rig), motion.poses.front())[kCarry];
}

} // namespace

std::string Number(float value)
{
    if (std::abs(value) < 0.00005f)
    {
        return "0";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(value));
    std::string number = text;
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.')
    {
        number.pop_back();
    }
    return number;
}

std::string SpriteTable(const std::string& name, const std::string& image, int left, int top, int width,
                        int height, int frames, int columns)
{
    const int rows = (frames + columns - 1) / columns;
    std::ostringstream out;
    out << name << " = {\n"
        << "    Image = \"" << image << "\",\n"
        << "    SrcRect = { " << left << ", " << top << ", " << left + width << ", " << top + height
        << " },\n"
        << "    Animation = { FramesCols = " << columns << ", FramesRows = " << rows
        << ", NumFrames = " << frames << " },\n"
        << "}\n";
    return out.str();
}

std::string Skeleton(const Look& look, const Pose& rest, const std::string& partsImage,
                     const std::vector<PartPicture>& parts, const std::string& carryTable,
                     const std::string& carryFile)
{
    const Geometry& geometry = GeometryOf(look.rig);
    const Places places = PlaceBones(geometry, rest);
    const float headCentre = places[kHead].y - geometry.headRadius - 1.0f;
    SkeletonWriter writer(look, rest, parts, carryTable, carryFile);

    std::ostringstream out;
    out << "-- The " << look.stem << " figure's skeleton. Unmirrored it faces left; its soles stand "
        << Number(geometry.feet) << " pixels below the root.\n"
        << "-- \"Pos\" places a bone from its parent (turned by the bone's own angle), \"Rot\" is the centre "
           "of its\n"
        << "-- picture from the bone, \"Z\" its depth (larger is further back).\n"
        << "OffsetCenterHeadX = 0\n"
        << "OffsetCenterHeadY = " << Number(std::round(headCentre)) << "\n"
        << "OffsetUp = 12\n\n"
        << "Skeleton = {\n"
        << "    Name = \"root\",\n";
    writer.Children(out, kRoot, "    ");
    out << "}\n";
    for (const PartPicture& part : parts)
    {
        out << "\n"
            << SpriteTable(writer.TableName(part.bone), partsImage, part.left, 0,
                           part.frameWidth * part.frames, part.frameHeight, part.frames, part.frames);
    }
    return out.str();
}

std::string Animation(const Look& look, const Motion& motion)
{
    const Geometry& geometry = GeometryOf(look.rig);
    std::vector<std::array<BoneKey, kBoneCount>> keys;
    for (const Pose& pose : motion.poses)
    {
        keys.push_back(KeysOf(geometry, pose));
    }
    std::ostringstream out;
    out << "-- \"" << motion.id << "\" of the " << FigureClass(look) << " figures"
        << (motion.mirrored ? ", facing right" : "") << ". One pose per bone and key frame:\n"
        << "-- {x, y, sprite frame, angle, scale x, scale y, depth, mirror horizontal, mirror vertical}.\n"
        << "TimeList = {";
    for (std::size_t i = 0; i < motion.times.size(); ++i)
    {
        out << (i == 0 ? " " : ", ") << Number(motion.times[i]);
    }
    out << " }\n";
    for (const BoneId bone : BonesOf(look))
    {
        out << Bone(bone).name << " = {\n";
        for (const auto& frame : keys)
        {
            const BoneKey& key = frame[bone];
            const bool flip = motion.mirrored && bone != kRoot;
            out << "    { " << Number(key.x) << ", " << Number(key.y) << ", " << Number(key.frame) << ", "
                << Number(flip ? -key.angle : key.angle) << ", " << Number(key.scaleX) << ", "
                << Number(key.scaleY) << ", " << Number(key.depth) << ", " << (flip ? 1 : 0) << ", 0 },\n";
        }
        out << "}\n";
    }
    return out.str();
}

std::string AnimationFile(const Look& look, const Motion& motion)
{
    return "pers_" + FigureClass(look) + "_" + motion.id + ".anim";
}

std::string List(const Look& look, const std::string& skeletonFile, const AnimationSet& animations,
                 int carryFrames, const std::string& extra)
{
    std::ostringstream out;
    out << "-- The " << look.stem
        << " look: its skeleton, its animations by name (many names share one file) and,\n"
        << "-- for every animation that carries goods, where the goods of each frame id sit on "
           "\"obj_right\".\n"
        << "SkeletonFile = \"" << skeletonFile << "\"\n"
        << "SkeletonTable = \"Skeleton\"\n\n"
        << "List = {\n";
    for (const auto& [name, motion] : animations)
    {
        out << "    { \"" << name << "\", \"" << AnimationFile(look, motion) << "\" },\n";
    }
    out << "}\n\n"
        << "-- One correction per carried frame id, all alike: the bone's angle, scale and place on the "
           "front arm.\n"
        << "local function Goods(angle, x, y)\n"
        << "    local data = {}\n"
        << "    for id = 1, " << carryFrames - 1 << " do\n"
        << "        data[id] = { id = id, angle = angle, sX = 1, sY = 1, pX = x, pY = y }\n"
        << "    end\n"
        << "    return data\n"
        << "end\n\n"
        << "ObjList = {\n";
    for (const auto& [name, motion] : animations)
    {
        if (!motion.carries)
        {
            continue;
        }
        const BoneKey place = CarryPlace(look, motion);
        out << "    { name = \"" << name << "\", data = Goods(" << Number(place.angle) << ", "
            << Number(place.x) << ", " << Number(place.y) << ") },\n";
    }
    out << "}\n";
    if (!extra.empty())
    {
        out << "\n" << extra;
    }
    return out.str();
}

} // namespace LuaFiles
