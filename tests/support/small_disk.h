// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <system_error>

namespace orvath::testing {

// A file system of 8 KiB mounted on a new folder, where a larger file fails
// to be written as on a full disk. Only root can mount it: elsewhere
// Mounted() is false and the test skips it.
class SmallDisk {
  public:
    static constexpr std::size_t kBytes = 8192;

    explicit SmallDisk(std::filesystem::path folder) : folder_(std::move(folder)) {
        std::filesystem::create_directories(folder_);
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=8k") == 0;
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
        std::error_code ignored;
        std::filesystem::remove(folder_, ignored);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const std::filesystem::path& Folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

}  // namespace orvath::testing
