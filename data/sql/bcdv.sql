-- bcdv.mdb: the program-state record, one row read at start-up.
-- ViewAbout: show the about window at start-up (Yes/No, true is -1).
-- VAR1: the disclaimer number of the last release whose disclaimer was accepted.
-- UpdateAddress: its body is the published program number as plain text.
-- VideoAddress: the video lectures page opened in the user's browser.
CREATE TABLE ProgramState (
  ViewAbout     INTEGER NOT NULL DEFAULT -1,
  VAR1          INTEGER NOT NULL DEFAULT 0 CHECK (VAR1 BETWEEN -32768 AND 32767),
  UpdateAddress TEXT NOT NULL DEFAULT '',
  VideoAddress  TEXT NOT NULL DEFAULT ''
);
INSERT INTO ProgramState (ViewAbout, VAR1, UpdateAddress, VideoAddress)
VALUES (-1, 0, 'https://quillon2017.example/update/version.txt',
        'https://quillon2017.example/videos/');
