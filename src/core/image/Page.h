#pragma once

#include "image/ConfigImage.h"

// The configuration pages, each with its selector of the upload.
enum class PageSlot { Network, Inputs, Outputs, Analog, Modes, Thermometers, Thermostats, Relays };
constexpr int PageSlotCount = 8;

// The four arguments shared by UploadConfig and GatherPages.
struct Selectors {
    enum PageFlag {
        Inputs = 1,
        Outputs = 2,
        Analog = 4,
        Modes = 8,
        Thermometers = 16,
        AllPages = 31
    };

    bool network = false;
    int pages = 0;
    bool thermostats = false;
    bool relays = false;

    static Selectors all() { return {true, AllPages, true, true}; }
    static Selectors allButNetwork() { return {false, AllPages, true, true}; }

    bool isEverything() const { return network && pages == AllPages && thermostats && relays; }
    bool selects(PageSlot slot) const;
    bool operator==(const Selectors&) const = default;
};

// One page of the configuration: its record copy and the values its controls show.
class Page {
public:
    virtual ~Page() = default;
    // Image to record copy and controls.
    virtual void scatter(const ConfigImage& image) = 0;
    // Controls to record copy and image. Throws GatherError when a control's content
    // cannot be stored; the image is then left without this page's record.
    virtual void gather(ConfigImage& image) = 0;
};
