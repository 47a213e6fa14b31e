#include "platform/data_paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

std::string DataTree::key(std::string_view gameName) {
    // Leading "./" segments name the root itself.
    while (gameName.size() >= 2 && gameName[0] == '.' &&
           (gameName[1] == '/' || gameName[1] == '\\'))
        gameName.remove_prefix(2);
    std::string k;
    k.reserve(gameName.size());
    for (char c : gameName) {
        if (c == '\\') c = '/';
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == '/' && (k.empty() || k.back() == '/')) continue;  // no empty segments
        k.push_back(c);
    }
    while (!k.empty() && k.back() == '/') k.pop_back();
    return k;
}

namespace {

// A folder by its device and inode, so a folder reached twice (a link back up the tree) is
// walked once.
using FolderId = std::pair<dev_t, ino_t>;

std::optional<FolderId> folderId(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
    return FolderId{info.st_dev, info.st_ino};
}

}  // namespace

void DataTree::setRoot(fs::path root) {
    root_ = std::move(root);
    index_.clear();
    std::set<FolderId> walked;
    auto rootId = folderId(root_);
    if (!rootId) return;
    walked.insert(*rootId);
    // Depth first, in directory order, as the folders are met.
    auto walk = [&](auto& self, const fs::path& folder) -> void {
        std::error_code ec;
        for (fs::directory_iterator it(root_ / folder, fs::directory_options::skip_permission_denied,
                                       ec),
             end;
             !ec && it != end; it.increment(ec)) {
            const fs::path rel = folder / it->path().filename();
            // The first of two names that differ only in case wins, in directory order.
            index_.emplace(key(rel.generic_string()), rel);
            // is_directory follows links: a linked folder is walked like a real one.
            std::error_code typeError;
            if (!it->is_directory(typeError)) continue;
            auto id = folderId(it->path());
            if (id && walked.insert(*id).second) self(self, rel);
        }
    };
    walk(walk, fs::path());
}

std::optional<fs::path> DataTree::find(std::string_view gameName) const {
    if (!languageKey_.empty()) {
        auto translated = index_.find(languageKey_ + '/' + key(gameName));
        if (translated != index_.end()) return root_ / translated->second;
    }
    auto it = index_.find(key(gameName));
    if (it == index_.end()) return std::nullopt;
    return root_ / it->second;
}

fs::path DataTree::pathFor(std::string_view gameName) const {
    std::string k = key(gameName);
    if (auto found = index_.find(k); found != index_.end()) return root_ / found->second;
    // Resolve the longest existing folder prefix, keep the rest as written.
    std::string written(gameName);
    for (char& c : written)
        if (c == '\\') c = '/';
    fs::path rest = fs::path(written).relative_path();
    fs::path resolved;
    fs::path tail;
    std::string prefix;
    bool matching = true;
    for (const auto& part : rest) {
        if (matching) {
            if (!prefix.empty()) prefix.push_back('/');
            prefix.append(key(part.string()));
            auto it = index_.find(prefix);
            if (it != index_.end()) {
                resolved = it->second;
                continue;
            }
            matching = false;
        }
        tail /= part;
    }
    return root_ / resolved / tail;
}

void DataTree::remember(const fs::path& realPath) {
    fs::path rel = realPath.lexically_relative(root_);
    index_.emplace(key(rel.generic_string()), rel);
}

DataTree& dataTree() {
    static DataTree tree;
    return tree;
}

std::string displayName(std::string_view gameName) {
    if (auto path = dataTree().find(gameName)) return path->string();
    return std::string(gameName);
}

DataFile DataFile::openPath(const fs::path& path) {
    DataFile file;
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    file.fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file.fd_ < 0) {
        file.fault_ = errno == ENOENT || errno == ENOTDIR ? DataFileFault::Missing
                                                          : DataFileFault::Unreadable;
        return file;
    }
    struct stat info {};
    if (::fstat(file.fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        file.fault_ = DataFileFault::NotRegular;
        ::close(file.fd_);
        file.fd_ = -1;
        return file;
    }
    file.fault_ = DataFileFault::None;
    file.size_ = static_cast<uint64_t>(info.st_size);
    return file;
}

DataFile DataFile::open(std::string_view gameName) {
    auto path = dataTree().find(gameName);
    if (!path) return DataFile();
    return openPath(*path);
}

DataFile::DataFile(DataFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), fault_(other.fault_), size_(other.size_) {}

DataFile& DataFile::operator=(DataFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        fault_ = other.fault_;
        size_ = other.size_;
    }
    return *this;
}

DataFile::~DataFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<size_t> DataFile::read(void* dest, size_t count) {
    if (fd_ < 0) return std::nullopt;
    size_t done = 0;
    auto* bytes = static_cast<char*>(dest);
    while (done < count) {
        const ssize_t got = ::read(fd_, bytes + done, count - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    return done;
}

std::optional<std::string> readDataFile(std::string_view gameName, DataFileFault* fault,
                                        size_t maxBytes) {
    auto report = [&](DataFileFault why) -> std::optional<std::string> {
        if (fault) *fault = why;
        return std::nullopt;
    };
    DataFile file = DataFile::open(gameName);
    if (!file.ok()) return report(file.fault());
    if (file.size() > maxBytes) return report(DataFileFault::TooLarge);
    std::string bytes(static_cast<size_t>(file.size()), '\0');
    auto got = file.read(bytes.data(), bytes.size());
    if (!got) return report(DataFileFault::Unreadable);
    bytes.resize(*got);
    if (fault) *fault = DataFileFault::None;
    return bytes;
}
