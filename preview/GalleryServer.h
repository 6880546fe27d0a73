#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace zt::preview {

/// The gallery in a browser: an HTTP server on the loopback interface that serves the index, each
/// page with its live screen, and the actions the page script sends. One thread (a
/// ThreadMainQueue) owns every screen model and the environment; the HTTP worker threads only
/// hand requests to it and wait for the answer.
class GalleryServer {
public:
    struct Options {
        /// 0 picks a free port.
        int port = 0;
        /// The folder with the icon table and the page script; galleryFolder() when empty.
        std::filesystem::path folder{};
        /// Requests larger than this are refused (413).
        std::size_t maxRequestBytes = 64 * 1024;
        /// How long a request for the next version of a screen waits before it answers 204.
        double pollSeconds = 2.5;
    };

    /// Builds every page lazily; binds 127.0.0.1. Throws std::runtime_error when the port is taken
    /// or the icons cannot be read.
    explicit GalleryServer(Options options);
    ~GalleryServer();
    GalleryServer(const GalleryServer&) = delete;
    GalleryServer& operator=(const GalleryServer&) = delete;

    int port() const;
    /// "http://127.0.0.1:PORT/".
    std::string address() const;
    /// Serves until stop(); call from one thread.
    void serve();
    /// Ends serve(); any thread, at any time: a stop() before serve() makes serve() return at once.
    void stop();

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zt::preview
