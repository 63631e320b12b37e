#!/usr/bin/env python3
"""The install scripts' decisions, on machines and mirrors of every kind. scripts/install-deps.sh
and scripts/apt-install-missing.sh run from a copy in a temporary folder, as a user who is not
root, with stand-ins first on PATH for the package tools, sudo, sleep and the locale tools, and
with scripts/runs-32bit-programs.sh replaced by one that answers as the case says. The stand-ins
keep what is installed in files and write down every call.

Usage: test_install_deps.py SOURCE
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) >= 2 else sys.exit(__doc__)

# Each stand-in finds the state folder in its own first lines (sudo passes no environment on).
STUBS = {
    "id": 'if [ "${1:-}" = -u ]; then echo 1000; else echo "uid=1000(builder)"; fi\n',
    # Like sudo's env_reset: the command gets PATH and what it is given as VAR=value, no more.
    "sudo": 'echo "sudo $*" >>"$state/calls"\nexec env -i PATH="$PATH" "$@"\n',
    "sleep": 'echo "sleep $*" >>"$state/calls"\n',
    "locale": 'echo C; echo POSIX; [ -e "$state/ja-locale" ] && echo ja_JP.utf8; exit 0\n',
    "localedef": 'echo "localedef $*" >>"$state/calls"\ntouch "$state/ja-locale"\n',
    "dpkg-query": r'''pkg="${@: -1}"
if grep -qxF "$pkg" "$state/installed"; then printf 'install ok installed'; exit 0; fi
echo "dpkg-query: no packages found matching $pkg" >&2; exit 1
''',
    "dpkg": r'''case "$1" in
  --print-architecture) echo amd64 ;;
  --print-foreign-architectures) cat "$state/foreign" ;;
  --add-architecture) echo "dpkg --add-architecture $2" >>"$state/calls"; echo "$2" >>"$state/foreign" ;;
  *) echo "dpkg stand-in: $*" >&2; exit 2 ;;
esac
''',
    # Updates succeed, fail as long as the plan's next line says "fail", or fail for the i386
    # list while that architecture is added ("i386" in the file broken). Installs take all the
    # packages or none, as apt-get does.
    "apt-get": r'''if [ "$1" = update ] || [ "$2" = update ]; then
  echo "apt-get update" >>"$state/calls"
  next="$(head -n1 "$state/plan")"; sed -i 1d "$state/plan"
  if [ "$next" = fail ]; then
    echo "E: Failed to fetch http://deb.debian.org/debian/dists/bookworm/main/binary-amd64/Packages  File has unexpected size (8 != 9). Mirror sync in progress?" >&2
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
    exit 100
  fi
  if grep -qx i386 "$state/broken" && grep -qx i386 "$state/foreign"; then
    echo "E: Failed to fetch http://deb.debian.org/debian/dists/bookworm/main/binary-i386/Packages  File has unexpected size (8 != 9). Mirror sync in progress?" >&2
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
    exit 100
  fi
  exit 0
fi
pkgs=(); for a in "$@"; do case "$a" in -*|install) ;; *) pkgs+=("$a") ;; esac; done
echo "apt-get install ${pkgs[*]} (DEBIAN_FRONTEND=${DEBIAN_FRONTEND:-})" >>"$state/calls"
for p in "${pkgs[@]}"; do
  if grep -qxF "$p" "$state/broken" || { [ "${p%:i386}" != "$p" ] && grep -qx i386 "$state/broken"; }; then
    echo "E: Unable to locate package $p" >&2; exit 100
  fi
done
printf '%s\n' "${pkgs[@]}" >>"$state/installed"
''',
}

NATIVE = "xcompmgr"
TOOLCHAIN_64 = ["g++-mingw-w64-x86-64-posix", "wine64"]


def case(name, runs_32bit=True, plan=(), broken=(), args=(), exit_ok=True, copy_64=False, i386=True,
         said=(), updates=None, sleeps=0):
    """One machine: whether it runs 32-bit programs, the outcomes of its list updates, the
    packages (or "i386": the i386 list) that cannot be had, the arguments; and what must come
    of it: the exit, the 64-bit copy's toolchain asked for, the i386 half asked for, texts the
    output says, the list updates and pauses."""
    return dict(name=name, runs_32bit=runs_32bit, plan=plan, broken=broken, args=args, exit_ok=exit_ok,
                copy_64=copy_64, i386=i386, said=said, updates=updates, sleeps=sleeps)


CASES = [
    case("an update that fails twice, then works", plan=("fail", "fail"), updates=4, sleeps=2,
         said=["try 1 of 3", "try 2 of 3"]),
    case("the i386 list never arrives, the native packages install", broken=["i386"], copy_64=True,
         updates=4, sleeps=2,
         said=["going on with the lists that arrived:\n  http://deb.debian.org/debian/dists/bookworm/main/binary-i386/Packages",
               "wine32:i386) could not be installed", "64-bit copy"]),
    case("a machine that runs no 32-bit programs", runs_32bit=False, copy_64=True, i386=False, updates=1,
         said=["runs no 32-bit programs", "64-bit copy"]),
    case("32-bit programs run, wine32:i386 cannot be installed", broken=["wine32:i386"], copy_64=True,
         updates=2, said=["wine32:i386) could not be installed", "64-bit copy"]),
    case("the 64-bit copy asked for where 32-bit programs run", args=["--with-64bit-copy"], copy_64=True,
         updates=2),
    case("a native package that cannot be installed", broken=[NATIVE], exit_ok=False, i386=False,
         updates=1, said=[NATIVE]),
]


class InstallDeps(unittest.TestCase):
    def run_install(self, c):
        work = tempfile.mkdtemp(prefix="kirunner-install-")
        self.addCleanup(shutil.rmtree, work)
        scripts, bin_dir, state = (os.path.join(work, d) for d in ("scripts", "bin", "state"))
        for d in (scripts, bin_dir, state):
            os.mkdir(d)
        for name in ("install-deps.sh", "apt-install-missing.sh"):
            shutil.copy(os.path.join(SOURCE, "scripts", name), scripts)
        stubs = {os.path.join(bin_dir, name): body for name, body in STUBS.items()}
        stubs[os.path.join(scripts, "runs-32bit-programs.sh")] = "exit %d\n" % (0 if c["runs_32bit"] else 1)
        for path, body in stubs.items():
            with open(path, "w") as f:
                f.write("#!/usr/bin/env bash\nstate=%s\n%s" % (state, body))
            os.chmod(path, 0o755)
        for name, lines in (("plan", c["plan"]), ("broken", c["broken"]), ("installed", []), ("foreign", []),
                            ("calls", [])):
            with open(os.path.join(state, name), "w") as f:
                f.write("".join(line + "\n" for line in lines))
        env = dict(os.environ, PATH=bin_dir + os.pathsep + os.environ["PATH"])
        result = subprocess.run([os.path.join(scripts, "install-deps.sh"), *c["args"]], env=env,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, timeout=60)
        with open(os.path.join(state, "calls")) as f:
            return result, f.read().splitlines()

    def test_cases(self):
        for c in CASES:
            with self.subTest(c["name"]):
                result, calls = self.run_install(c)
                why = "\n".join(calls) + "\n--- output:\n" + result.stdout
                installs = [line for line in calls if line.startswith("apt-get install ")]
                asked = " ".join(installs).split()
                self.assertEqual(c["exit_ok"], result.returncode == 0, why)
                for text in c["said"]:
                    self.assertIn(text, result.stdout, why)
                self.assertEqual(c["copy_64"], all(p in asked for p in TOOLCHAIN_64), why)
                self.assertEqual(c["i386"], "wine32:i386" in asked, why)
                self.assertEqual(c["i386"], "dpkg --add-architecture i386" in calls, why)
                self.assertEqual(c["updates"], calls.count("apt-get update"), why)
                self.assertEqual(c["sleeps"], sum(line.startswith("sleep ") for line in calls), why)
                # What needs root goes through sudo, and apt-get asks no questions.
                self.assertEqual(calls.count("apt-get update"), calls.count("sudo apt-get update -q"), why)
                self.assertTrue(installs, why)
                self.assertTrue(all(line.endswith("(DEBIAN_FRONTEND=noninteractive)") for line in installs), why)
                self.assertEqual(c["exit_ok"], any(line.startswith("sudo localedef") for line in calls), why)


if __name__ == "__main__":
    unittest.main()
