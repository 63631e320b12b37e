#!/usr/bin/python3
"""A read-only mirror of one folder whose files answer their first read late.

Usage: held_file_fs.py BACKING_FOLDER MOUNT_POINT

Every file of BACKING_FOLDER shows in MOUNT_POINT with its size and times. A file whose name
starts with a number of seconds and "s-" ("10s-news.txt") answers the first read of each open
(the read at offset 0) only after that many seconds, or once the backing file is deleted: a
slow device or an unreachable share as a program sees it. Listing, looking up and opening
answer at once, so that only the reading thread waits. Nothing is cached, so every look sees
the backing file as it is now. Each held read prints "hold NAME" when it starts waiting and
"answer NAME" when it answers.
"""
import errno
import os
import re
import stat
import sys

import pyfuse3
import trio

HELD_NAME = re.compile(rb"^(\d+)s-")


class HeldFiles(pyfuse3.Operations):
    def __init__(self, backing):
        super().__init__()
        self.backing = backing
        self.names = {}  # inode -> name
        self.inodes = {}  # name -> inode
        self.open_files = {}  # file handle -> (unix fd, seconds to hold the first read)
        self.next_handle = 1

    def inode_of(self, name):
        if name not in self.inodes:
            inode = pyfuse3.ROOT_INODE + 1 + len(self.inodes)
            self.inodes[name] = inode
            self.names[inode] = name
        return self.inodes[name]

    def backing_path(self, inode):
        if inode not in self.names:
            raise pyfuse3.FUSEError(errno.ENOENT)
        return os.path.join(self.backing, self.names[inode])

    def attributes(self, inode, path):
        try:
            st = os.stat(path)
        except OSError as error:
            raise pyfuse3.FUSEError(error.errno or errno.ENOENT)
        entry = pyfuse3.EntryAttributes()
        entry.st_ino = inode
        entry.st_mode = st.st_mode if inode == pyfuse3.ROOT_INODE else (stat.S_IFREG | 0o444)
        entry.st_nlink = 1
        entry.st_uid = st.st_uid
        entry.st_gid = st.st_gid
        entry.st_size = st.st_size
        entry.st_atime_ns = st.st_atime_ns
        entry.st_mtime_ns = st.st_mtime_ns
        entry.st_ctime_ns = st.st_ctime_ns
        entry.attr_timeout = 0
        entry.entry_timeout = 0
        return entry

    async def getattr(self, inode, ctx=None):
        if inode == pyfuse3.ROOT_INODE:
            return self.attributes(inode, self.backing)
        return self.attributes(inode, self.backing_path(inode))

    async def lookup(self, parent_inode, name, ctx=None):
        if parent_inode != pyfuse3.ROOT_INODE or not os.path.isfile(os.path.join(self.backing, os.fsdecode(name))):
            raise pyfuse3.FUSEError(errno.ENOENT)
        return await self.getattr(self.inode_of(os.fsdecode(name)))

    async def opendir(self, inode, ctx):
        if inode != pyfuse3.ROOT_INODE:
            raise pyfuse3.FUSEError(errno.ENOTDIR)
        return inode

    async def readdir(self, fh, start_id, token):
        names = sorted(n for n in os.listdir(self.backing) if os.path.isfile(os.path.join(self.backing, n)))
        for index, name in enumerate(names):
            if index < start_id:
                continue
            inode = self.inode_of(name)
            if not pyfuse3.readdir_reply(token, os.fsencode(name), await self.getattr(inode), index + 1):
                break

    async def open(self, inode, flags, ctx):
        if flags & (os.O_WRONLY | os.O_RDWR):
            raise pyfuse3.FUSEError(errno.EROFS)
        try:
            fd = os.open(self.backing_path(inode), os.O_RDONLY)
        except OSError as error:
            raise pyfuse3.FUSEError(error.errno or errno.EIO)
        held = HELD_NAME.match(os.fsencode(self.names[inode]))
        handle = self.next_handle
        self.next_handle += 1
        self.open_files[handle] = (fd, int(held.group(1)) if held else 0, self.names[inode])
        return pyfuse3.FileInfo(fh=handle, direct_io=True, keep_cache=False)

    async def read(self, fh, off, size):
        fd, hold, name = self.open_files[fh]
        if off == 0 and hold:
            print("hold", name, flush=True)  # the tests wait for this line
            # Answered early once the backing file is deleted: a test that is over lets the
            # process it held go (a process is not gone before its read is answered).
            until = trio.current_time() + hold
            backing = os.path.join(self.backing, name)
            while trio.current_time() < until and os.path.exists(backing):
                await trio.sleep(min(0.1, until - trio.current_time()))
            print("answer", name, flush=True)
        return os.pread(fd, size, off)

    async def release(self, fh):
        fd, _, _ = self.open_files.pop(fh)
        os.close(fd)


def main():
    backing, mount_point = sys.argv[1], sys.argv[2]
    options = set(pyfuse3.default_options)
    options.add("fsname=heldfiles")
    options.discard("default_permissions")
    pyfuse3.init(HeldFiles(os.path.abspath(backing)), mount_point, options)
    print("mounted", flush=True)
    try:
        trio.run(pyfuse3.main)
    finally:
        pyfuse3.close(unmount=True)


if __name__ == "__main__":
    main()
