-- The SQLite peer of tevardin-cli's standings: the season's games imported from CSV into an
-- in-memory database without indexes, then three plain queries. Fixed, not tuned: it stands for
-- what a user might do instead. Run from the folder that holds games.csv:
--   sqlite3 :memory: < standings_peer.sql
CREATE TABLE games(visitor INTEGER, home INTEGER, meet INTEGER, month INTEGER, day INTEGER,
                   vruns INTEGER, hruns INTEGER, attendance INTEGER,
                   vpitcher TEXT, hpitcher TEXT, spitcher TEXT);
.import --csv games.csv games

-- Both leagues' standings: games, W, L, D, runs for and against, home attendance, percentage.
WITH sides AS (
    SELECT visitor AS team, vruns AS rf, hruns AS ra, 0 AS att FROM games
    UNION ALL
    SELECT home, hruns, vruns, attendance FROM games)
SELECT CASE WHEN team <= 6 THEN 1 ELSE 2 END AS league, team, COUNT(*) AS g,
       SUM(rf > ra) AS w, SUM(rf < ra) AS l, SUM(rf = ra) AS d, SUM(rf) AS rf, SUM(ra) AS ra,
       SUM(att) AS att,
       CAST(SUM(rf > ra) AS REAL) / NULLIF(SUM(rf > ra) + SUM(rf < ra), 0) AS pct
FROM sides GROUP BY team ORDER BY league, pct DESC;

-- Head-to-head W-L-D of every pair.
SELECT team, opp, SUM(rf > ra) AS w, SUM(rf < ra) AS l, SUM(rf = ra) AS d
FROM (SELECT visitor AS team, home AS opp, vruns AS rf, hruns AS ra FROM games
      UNION ALL
      SELECT home, visitor, hruns, vruns FROM games)
GROUP BY team, opp ORDER BY team, opp;

-- Every pitcher's W-L-S, by wins (most first) and losses (fewest first).
WITH credits AS (
    SELECT CASE WHEN vruns > hruns THEN visitor ELSE home END AS team,
           CASE WHEN vruns > hruns THEN vpitcher ELSE hpitcher END AS name, 1 AS w, 0 AS l, 0 AS s
    FROM games WHERE vruns <> hruns
    UNION ALL
    SELECT CASE WHEN vruns > hruns THEN home ELSE visitor END,
           CASE WHEN vruns > hruns THEN hpitcher ELSE vpitcher END, 0, 1, 0
    FROM games WHERE vruns <> hruns
    UNION ALL
    SELECT CASE WHEN vruns > hruns THEN visitor ELSE home END, spitcher, 0, 0, 1
    FROM games WHERE vruns <> hruns AND spitcher <> '')
SELECT team, name, SUM(w) AS w, SUM(l) AS l, SUM(s) AS s
FROM credits GROUP BY team, name ORDER BY w DESC, l ASC;
