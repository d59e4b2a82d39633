#include "SimRunner.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace vantrelctl {

namespace {

using SteadyClock = std::chrono::steady_clock;
using TimePoint = SteadyClock::time_point;
using vantrel::link::Bytes;

// 1 start bit, 8 data bits, 2 stop bits at 1200 baud.
constexpr std::chrono::microseconds kByteTime{11 * 1000000 / 1200};

struct Timed {
    TimePoint time;
    std::uint8_t byte;
};

class Pty {
public:
    ~Pty() {
        if (slave_ >= 0) ::close(slave_);
        if (master_ >= 0) ::close(master_);
    }
    bool create(std::string& error) {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
            error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
            return false;
        }
        slaveName_ = ::ptsname(master_);
        // Holding the slave open keeps the pty alive while the program under
        // test opens and closes it; it also sets the line raw from the start.
        slave_ = ::open(slaveName_.c_str(), O_RDWR | O_NOCTTY);
        termios tio{};
        if (slave_ < 0 || ::tcgetattr(slave_, &tio) != 0) {
            error = std::string("cannot open the pty slave: ") + std::strerror(errno);
            return false;
        }
        ::cfmakeraw(&tio);
        ::cfsetspeed(&tio, B1200);
        tio.c_cflag |= CSTOPB;
        ::tcsetattr(slave_, TCSANOW, &tio);
        return true;
    }
    int master() const { return master_; }
    const std::string& slaveName() const { return slaveName_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slaveName_;
};

class SymLink {
public:
    bool create(const std::string& target, const std::string& path, std::string& error) {
        struct stat st{};
        if (::lstat(path.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) {
                error = path + " exists and is not a symbolic link";
                return false;
            }
            ::unlink(path.c_str());
        }
        if (::symlink(target.c_str(), path.c_str()) != 0) {
            error = path + ": " + std::strerror(errno);
            return false;
        }
        path_ = path;
        target_ = target;
        return true;
    }
    // Another simulator started on the same path since owns the link now.
    ~SymLink() {
        if (path_.empty()) return;
        char now[4096];
        const ssize_t n = ::readlink(path_.c_str(), now, sizeof now);
        if (n >= 0 && std::string(now, static_cast<std::size_t>(n)) == target_) ::unlink(path_.c_str());
    }

private:
    std::string path_;
    std::string target_;
};

class Player {
public:
    Player(vantrel::link::SimulatedRadio& radio, const SimTiming& timing,
           const std::function<void()>& onWriteDone)
        : radio_(radio), timing_(timing), onWriteDone_(onWriteDone) {}

    // Bytes the program wrote, read off the pty at `now`.
    void arrived(const std::uint8_t* data, std::size_t n, TimePoint now) {
        for (std::size_t k = 0; k < n; ++k) {
            TimePoint at = now;
            if (timing_.pace) at = std::max(now, lastIn_) + kByteTime;
            lastIn_ = at;
            input_.push_back({at, data[k]});
            written_.push_back(now);
            if (timing_.echo) send(at + timing_.echoDelay, data[k]);
        }
    }

    // Lets the radio act on every byte that has arrived by now.
    void process(TimePoint now) {
        while (!input_.empty() && input_.front().time <= now) {
            const Timed in = input_.front();
            const TimePoint writtenAt = written_.front();
            input_.pop_front();
            written_.pop_front();
            if (heard_ && in.time - lastHeard_ >= vantrel::link::kRadioSilenceTimeout) radio_.LineSilent();
            heard_ = true;
            lastHeard_ = in.time;
            answer(radio_.receive(in.byte), std::max(writtenAt + timing_.reaction, in.time));
            report();
        }
    }

    // The bytes whose time has come, in order.
    Bytes due(TimePoint now) {
        Bytes out;
        while (!output_.empty() && output_.front().time <= now) {
            out.push_back(output_.front().byte);
            output_.pop_front();
        }
        return out;
    }

    TimePoint next() const {
        TimePoint t = TimePoint::max();
        if (!input_.empty()) t = std::min(t, input_.front().time);
        if (!output_.empty()) t = std::min(t, output_.front().time);
        return t;
    }

private:
    void answer(const Bytes& bytes, TimePoint start) {
        for (std::uint8_t b : bytes) {
            // A paced byte reaches the program when its last stop bit is out.
            TimePoint at = start;
            if (timing_.pace) at = lastOut_ = std::max(start, lastOut_) + kByteTime;
            send(at, b);
        }
    }
    // The line keeps its order: nothing overtakes a byte already on its way.
    void send(TimePoint at, std::uint8_t b) {
        if (!output_.empty()) at = std::max(at, output_.back().time);
        output_.push_back({at, b});
    }
    void report() {
        const auto& errors = radio_.lineErrors();
        for (; reportedErrors_ < errors.size(); ++reportedErrors_)
            std::fprintf(stderr, "simulate: line error: %s\n", errors[reportedErrors_].c_str());
        if (radio_.readsCompleted() != reads_) {
            reads_ = radio_.readsCompleted();
            std::fprintf(stderr, "simulate: read completed\n");
        }
        if (radio_.writesCompleted() != writes_) {
            writes_ = radio_.writesCompleted();
            std::fprintf(stderr, "simulate: write completed\n");
            if (onWriteDone_) onWriteDone_();
        }
    }

    vantrel::link::SimulatedRadio& radio_;
    SimTiming timing_;
    std::function<void()> onWriteDone_;
    std::deque<Timed> input_;
    std::deque<TimePoint> written_;
    std::deque<Timed> output_;
    TimePoint lastIn_{};
    TimePoint lastOut_{};
    // When the radio last heard a byte: a long silence ends its exchange.
    TimePoint lastHeard_{};
    bool heard_ = false;
    std::size_t reportedErrors_ = 0;
    int reads_ = 0;
    int writes_ = 0;
};

timespec Until(TimePoint t, TimePoint now) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(t - now).count();
    const long long left = std::max<long long>(0, ns);
    return timespec{static_cast<time_t>(left / 1000000000), static_cast<long>(left % 1000000000)};
}

}  // namespace

int RunSimulator(const std::vector<SimPlace>& radios, const SimTiming& timing) {
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    const int signals = ::signalfd(-1, &stopSignals, SFD_CLOEXEC);
    if (signals < 0) {
        std::fprintf(stderr, "vantrelctl: simulate: signalfd: %s\n", std::strerror(errno));
        return 1;
    }

    const std::size_t count = radios.size();
    std::vector<Pty> ptys(count);
    std::vector<SymLink> links(count);
    std::vector<Player> players;
    players.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        std::string error;
        if (!ptys[k].create(error) || !links[k].create(ptys[k].slaveName(), radios[k].linkPath, error)) {
            std::fprintf(stderr, "vantrelctl: simulate: %s\n", error.c_str());
            ::close(signals);
            return 1;
        }
        std::fprintf(stderr, "simulate: %s -> %s\n", radios[k].linkPath.c_str(), ptys[k].slaveName().c_str());
        players.emplace_back(*radios[k].radio, timing, radios[k].onWriteDone);
    }

    std::vector<pollfd> fds(count + 1);
    bool stop = false;
    int status = 0;
    while (!stop) {
        TimePoint next = TimePoint::max();
        for (std::size_t k = 0; k < count; ++k) {
            const TimePoint now = SteadyClock::now();
            players[k].process(now);
            const Bytes out = players[k].due(now);
            if (!out.empty() && ::write(ptys[k].master(), out.data(), out.size()) < 0 && errno != EAGAIN)
                std::fprintf(stderr, "vantrelctl: simulate: write: %s\n", std::strerror(errno));
            next = std::min(next, players[k].next());
            fds[k] = {ptys[k].master(), POLLIN, 0};
        }
        fds[count] = {signals, POLLIN, 0};
        const timespec timeout = Until(next, SteadyClock::now());
        if (::ppoll(fds.data(), fds.size(), next == TimePoint::max() ? nullptr : &timeout, nullptr) < 0) {
            if (errno == EINTR) continue;
            std::fprintf(stderr, "vantrelctl: simulate: poll: %s\n", std::strerror(errno));
            status = 1;
            break;
        }
        if (fds[count].revents & POLLIN) stop = true;
        for (std::size_t k = 0; k < count; ++k) {
            if (!(fds[k].revents & POLLIN)) continue;
            std::uint8_t buffer[512];
            const ssize_t n = ::read(ptys[k].master(), buffer, sizeof buffer);
            if (n > 0) players[k].arrived(buffer, static_cast<std::size_t>(n), SteadyClock::now());
        }
    }
    ::close(signals);
    return status;
}

}  // namespace vantrelctl
