#include "engine/Render/StartupReport.h"

#include "engine/Log/LogManager.h"

#include <cmath>

namespace Korrin
{

namespace
{

constexpr const char* kEngineVersion = "Engine Version 0.1";

void Line(const char* text)
{
    if (LogManager* log = LogManager::Peek(); log != nullptr)
    {
        log->Write("%s", text);
    }
}

} // namespace

void StartupReport::WriteSystemPart(const Platform::SystemFacts& facts)
{
    LogManager* log = LogManager::Peek();
    if (log == nullptr)
    {
        return;
    }
    Line(kEngineVersion);
    Line("");
    Line("Global memory status...");
    const double toMegabytes = 1.0 / 1048576.0;
    log->Write("  Total Physical Memory: %.02f MB",
               static_cast<double>(facts.totalPhysicalBytes) * toMegabytes);
    log->Write("  Available Physical Memory:  %.02f MB",
               static_cast<double>(facts.availablePhysicalBytes) * toMegabytes);
    log->Write("  Total Virtual Memory: %u MB", static_cast<unsigned>(facts.totalVirtualBytes >> 20));
    log->Write("  Available Virtual Memory:  %u MB",
               static_cast<unsigned>(facts.availableVirtualBytes >> 20));
    Line("");
    Line("Detecting CPU...");
    log->Write("  Clock: %iGHz", static_cast<int>(facts.processorClock));
    log->Write("  Vendor: %s", facts.vendor.c_str());
    log->Write("  Brand: %s", facts.brand.c_str());
    Line("");
    Line("Operating System...");
    log->Write("  Type: %s", facts.systemName.empty() ? "Unknown" : facts.systemName.c_str());
    log->Write("  Version: %i.%i, build %i", facts.versionMajor, facts.versionMinor, facts.versionBuild);
    log->Write("  Misc: %s", facts.versionText.c_str());
    Line("");
}

void StartupReport::WriteAdapterPart(const Platform::AdapterFacts& facts, bool identified)
{
    LogManager* log = LogManager::Peek();
    if (log == nullptr)
    {
        return;
    }
    Line("");
    if (!identified)
    {
        Line("Error GetAdapterIdentifier");
    }
    Line("Adapter...");
    log->Write("  Driver: %s", facts.driver.c_str());
    log->Write("  Description: %s", facts.description.c_str());
    Line("  Driver version info:");
    log->Write("     Product: %i", static_cast<int>((facts.driverVersion >> 48) & 0xFFFF));
    log->Write("     Version: %i", static_cast<int>((facts.driverVersion >> 32) & 0xFFFF));
    log->Write("     SubVersion: %i", static_cast<int>((facts.driverVersion >> 16) & 0xFFFF));
    log->Write("     Build: %i", static_cast<int>(facts.driverVersion & 0xFFFF));
    log->Write("     Vendor Id: %i", static_cast<int>(facts.vendorId));
    log->Write("     Device Id: %i", static_cast<int>(facts.deviceId));
    log->Write("     SubSys Id: %i", static_cast<int>(facts.subSysId));
    log->Write("     Revision: %i", static_cast<int>(facts.revision));
    Line("");
    Line("Device Capabilities...");
    log->Write("  MaxTextureWidth: %i", facts.maxTextureWidth);
    log->Write("  MaxTextureHeight: %i", facts.maxTextureHeight);
    log->Write("  Mem: %.fMb", std::ceil(static_cast<double>(facts.videoMemoryBytes) / 1000000.0));
}

} // namespace Korrin
