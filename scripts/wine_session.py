"""A private Wine prefix and its server, for running the installer under Wine.

Wine's server outlives the wine command and inherits its standard output, so
every call here writes its output to files instead of pipes, and one
persistent server serves all calls until stop()."""

import os
import pathlib
import shutil
import subprocess

# Wine takes the ANSI code page from the locale: 936 for Chinese, 1252 for
# English. The locales are compiled into a folder of our own, so that Unix
# file names in GBK-named Windows folders map as well.
CHINESE = "zh_CN.UTF-8"
ENGLISH = "en_US.UTF-8"

CALL_TIMEOUT = 120


class WineError(Exception):
    pass


def missing_tools():
    """The tools a session needs that this machine lacks."""
    missing = [tool for tool in ("wine", "wineserver", "wineboot", "localedef")
               if shutil.which(tool) is None]
    if not pathlib.Path("/usr/share/i18n/locales/zh_CN").exists():
        missing.append("the locale sources in /usr/share/i18n/locales")
    return missing


class WineSession:
    def __init__(self, folder):
        self.folder = pathlib.Path(folder).resolve()
        self.prefix = self.folder / "prefix"
        self.locales = self.folder / "locale"
        self.logs = self.folder / "logs"
        self.calls = 0

    def environment(self, locale=CHINESE):
        env = dict(os.environ)
        for name in [n for n in env if n.startswith("LC_")] + ["DISPLAY", "WAYLAND_DISPLAY"]:
            env.pop(name, None)
        env.update(WINEPREFIX=str(self.prefix), WINEARCH="win32", WINEDEBUG="-all",
                   WINEDLLOVERRIDES="mscoree,mshtml=", LOCPATH=str(self.locales),
                   LANG=locale, LC_ALL=locale)
        return env

    def start(self, fresh):
        """Compiles the locales, starts the server and boots the prefix,
        a new one when fresh."""
        self.logs.mkdir(parents=True, exist_ok=True)
        for locale in (CHINESE, ENGLISH):
            if not (self.locales / locale).exists():
                self.locales.mkdir(parents=True, exist_ok=True)
                name = locale.split(".")[0]
                self._call(["localedef", "-i", name, "-f", "UTF-8", str(self.locales / locale)],
                           os.environ, "localedef-" + name, accept=(0, 1))
                if not (self.locales / locale).exists():
                    raise WineError("localedef could not compile %s" % locale)
        if fresh and self.prefix.exists():
            self.stop()
            shutil.rmtree(self.prefix)
        self.prefix.mkdir(parents=True, exist_ok=True)
        self._call(["wineserver", "-p"], self.environment(), "wineserver")
        if not (self.prefix / "system.reg").exists():
            self._call(["wineboot", "-i"], self.environment(), "wineboot")

    def stop(self):
        subprocess.run(["wineserver", "-k"], env=self.environment(), stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)

    def drive_c(self, windows_path):
        """The Unix path of a C: path."""
        assert windows_path[:3].upper() == "C:\\"
        return self.prefix.joinpath("drive_c", *windows_path[3:].split("\\"))

    def windows_path(self, unix_path):
        """The Z: path of a Unix path: Wine's drive Z: is the Unix root."""
        return "Z:" + str(pathlib.Path(unix_path).resolve()).replace("/", "\\")

    def run(self, program, arguments=(), locale=CHINESE):
        """Runs a Windows program and returns its exit code and standard output."""
        name = "%03d-%s" % (self.calls, pathlib.Path(program).stem)
        code = self._call(["wine", str(program), *arguments], self.environment(locale), name,
                          accept=None)
        return code, (self.logs / (name + ".out")).read_bytes()

    def keyboard_layouts(self, reader, locale=CHINESE):
        """Runs the layout reader and returns the system directory and the
        layouts that name an IME file, as {key: (Ime File, Layout Text)}."""
        code, out = self.run(reader, locale=locale)
        if code != 0:
            raise WineError("the layout reader failed with exit code %d" % code)
        lines = out.decode("utf-8").splitlines()
        system = lines[0].split("\t")[1]
        return system, {key: (ime, text) for key, ime, text in
                        (line.split("\t") for line in lines[1:])}

    def _call(self, command, env, name, accept=(0,)):
        self.calls += 1
        out, err = self.logs / (name + ".out"), self.logs / (name + ".err")
        with open(out, "wb") as stdout, open(err, "wb") as stderr:
            try:
                code = subprocess.run(command, env=env, stdin=subprocess.DEVNULL, stdout=stdout,
                                      stderr=stderr, timeout=CALL_TIMEOUT).returncode
            except subprocess.TimeoutExpired:
                raise WineError("%s took more than %d s; see %s" % (command[0], CALL_TIMEOUT, err))
        if accept is not None and code not in accept:
            raise WineError("%s failed with exit code %d; see %s"
                            % (" ".join(command), code, err))
        return code
