-- castMoney(amount): the amount in Chinese capital numerals for receipts, the same text the
-- embedded database's function gives (1001.50 -> 壹仟零壹元伍角整).
CREATE OR REPLACE FUNCTION castMoney(amount numeric) RETURNS text AS $$
DECLARE
  digits text[] := ARRAY['零','壹','贰','叁','肆','伍','陆','柒','捌','玖'];
  units text[] := ARRAY['仟','佰','拾',''];
  groups text[] := ARRAY['','万','亿','万亿'];
  fen bigint := round(coalesce(amount, 0) * 100);
  yuan bigint;
  jiao int;
  f int;
  outtext text := '';
  whole text := '';
  parts bigint[] := ARRAY[]::bigint[];
  y bigint;
  part int;
  d int;
  pending boolean := false;
  g int;
  i int;
BEGIN
  IF fen < 0 THEN outtext := '负'; fen := -fen; END IF;
  yuan := fen / 100; jiao := (fen % 100) / 10; f := fen % 10;
  IF yuan > 0 THEN
    y := yuan;
    WHILE y > 0 LOOP parts := array_prepend((y % 10000), parts); y := y / 10000; END LOOP;
    FOR g IN 1..array_length(parts, 1) LOOP
      part := parts[g];
      IF part = 0 THEN pending := true; CONTINUE; END IF;
      FOR i IN 1..4 LOOP
        d := (part / (10 ^ (4 - i))::int) % 10;
        IF d = 0 THEN
          IF whole <> '' THEN pending := true; END IF;
          CONTINUE;
        END IF;
        IF pending THEN whole := whole || '零'; END IF;
        pending := false;
        whole := whole || digits[d + 1] || units[i];
      END LOOP;
      whole := whole || groups[least(array_length(parts, 1) - g, 3) + 1];
    END LOOP;
    outtext := outtext || whole || '元';
  END IF;
  IF jiao = 0 AND f = 0 THEN
    IF yuan = 0 THEN outtext := outtext || '零元'; END IF;
    RETURN outtext || '整';
  END IF;
  IF jiao > 0 THEN outtext := outtext || digits[jiao + 1] || '角';
  ELSIF yuan > 0 THEN outtext := outtext || '零'; END IF;
  IF f > 0 THEN outtext := outtext || digits[f + 1] || '分'; ELSE outtext := outtext || '整'; END IF;
  RETURN outtext;
END
$$ LANGUAGE plpgsql IMMUTABLE;
